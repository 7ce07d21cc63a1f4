// The cost of reaching the control from a `cellvex script` JavaScript: a
// method call and a property get through the Cellvex global, each measured as
// a loop inside one evaluate() so that the figure is the call alone. Beside
// them, the same method reached through Invoke from C++ and a plain native
// call into a QObject, which is what the engine's own binding costs; and the
// set-up of a script session, which every run of the command pays.

#include "JsScriptSession.h"

#include "automation/ICellvex.h"
#include "control/CellvexControl.h"
#include "control/CellvexObject.h"

#include <QVBoxLayout>
#include <QWidget>
#include <benchmark/benchmark.h>

using namespace cellvex;
using namespace cellvex::automation;

namespace {

constexpr int kCalls = 20'000;

// A QObject the engine binds itself: its calls are the floor for the bridge's.
class NativeYardstick : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int count READ count CONSTANT)
public:
    Q_INVOKABLE int width(int col) const { return col + 79; }
    int count() const { return 6; }
};

// The control in its window, as the command builds it.
struct ScriptedControl
{
    ScriptedControl() : object(new CellvexObject())
    {
        auto *layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(object->control());
        window.resize(640, 480);
    }
    ~ScriptedControl()
    {
        object->control()->setParent(nullptr);
        object->Release();
    }
    CellvexObject *object;
    QWidget window;
};

// Runs `body` kCalls times in one evaluate() per iteration; the counter gives
// the time of one turn.
void runLoop(benchmark::State &state, const QString &body)
{
    ScriptedControl host;
    JsScriptSession session(*host.object, *host.object->control(), host.window, {});
    NativeYardstick native;
    QJSEngine::setObjectOwnership(&native, QJSEngine::CppOwnership);
    session.engine().globalObject().setProperty(QStringLiteral("Native"),
                                                session.engine().newQObject(&native));
    const QString code =
        QStringLiteral("var sum = 0; for (var i = 0; i < %1; i++) { %2 }").arg(kCalls).arg(body);
    for (auto _ : state) {
        const QJSValue r = session.engine().evaluate(code);
        if (r.isError()) {
            state.SkipWithError(r.toString().toUtf8().constData());
            break;
        }
    }
    state.counters["per_call"] = benchmark::Counter(kCalls, benchmark::Counter::kIsIterationInvariantRate |
                                                                benchmark::Counter::kInvert);
}

void BM_ScriptMethodCall(benchmark::State &state)
{
    runLoop(state, QStringLiteral("sum += Cellvex.GetColWidth(1);"));
}

void BM_ScriptPropertyGet(benchmark::State &state)
{
    runLoop(state, QStringLiteral("sum += Cellvex.ColCount;"));
}

void BM_ScriptPropertyPut(benchmark::State &state)
{
    runLoop(state, QStringLiteral("Cellvex.HeaderCount = i & 1;"));
}

void BM_ScriptMethodCallThreeArguments(benchmark::State &state)
{
    runLoop(state, QStringLiteral("Cellvex.SetCellValue(1 + (i % 6), 1, 'v' + i);"));
}

void BM_NativeMethodCallYardstick(benchmark::State &state)
{
    runLoop(state, QStringLiteral("sum += Native.width(1);"));
}

void BM_NativePropertyGetYardstick(benchmark::State &state)
{
    runLoop(state, QStringLiteral("sum += Native.count;"));
}

void BM_InvokeGetColWidthFromCpp(benchmark::State &state)
{
    ScriptedControl host;
    ICellvex *c = host.object;
    DispId id = 0;
    const QString name = QStringLiteral("GetColWidth");
    c->GetIDsOfNames(&name, 1, 0x409, &id);
    std::vector<Variant> args;
    Variant result;
    std::uint32_t argError = 0;
    for (auto _ : state) {
        args.assign(1, Variant::fromLong(1));
        c->Invoke(id, 0x409, DISPATCH_METHOD, args, &result, &argError);
        benchmark::DoNotOptimize(result);
    }
}

// Everything a run does before the script's first line: the engine, the
// globals, the event connection.
void BM_ScriptSessionStartUp(benchmark::State &state)
{
    ScriptedControl host;
    for (auto _ : state) {
        JsScriptSession session(*host.object, *host.object->control(), host.window, {});
        benchmark::DoNotOptimize(&session);
    }
}

} // namespace

BENCHMARK(BM_ScriptMethodCall)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScriptPropertyGet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScriptPropertyPut)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScriptMethodCallThreeArguments)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NativeMethodCallYardstick)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NativePropertyGetYardstick)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InvokeGetColWidthFromCpp);
BENCHMARK(BM_ScriptSessionStartUp)->Unit(benchmark::kMillisecond);

#include "ScriptBridgeBench.moc"
