// Ten million turns of a loop that adds the counter to a global: the cost of
// the interpreter's statement, name and arithmetic paths. QJSEngine runs the
// same loop for comparison; each engine is created once, outside the timing.

#include "script/vbscript/VbsEngine.h"

#include <QJSEngine>
#include <benchmark/benchmark.h>

namespace {

constexpr int kTurns = 10'000'000;

void vbscriptLoop(benchmark::State &state)
{
    cellvex::vbs::VbsEngine engine;
    engine.setLanguage(QStringLiteral("VBScript"));
    const QString code = QStringLiteral("s = 0\nFor i = 1 To %1: s = s + i: Next").arg(kTurns);
    for (auto _ : state) {
        if (!engine.addCode(code)) {
            state.SkipWithError("script failed");
            break;
        }
    }
    // The sum overflows Long and carries on as a Double: the promotion path runs too.
    if (engine.globalValue(QStringLiteral("s")).toDouble() != 50000005000000.0) {
        state.SkipWithError("wrong sum");
    }
}
BENCHMARK(vbscriptLoop)->Unit(benchmark::kMillisecond)->Iterations(3);

void javascriptLoop(benchmark::State &state)
{
    QJSEngine engine;
    const QString code =
        QStringLiteral("var s = 0; for (var i = 1; i <= %1; i++) { s = s + i; }").arg(kTurns);
    for (auto _ : state) {
        QJSValue r = engine.evaluate(code);
        benchmark::DoNotOptimize(r);
    }
    if (engine.globalObject().property(QStringLiteral("s")).toNumber() != 50000005000000.0) {
        state.SkipWithError("wrong sum");
    }
}
BENCHMARK(javascriptLoop)->Unit(benchmark::kMillisecond)->Iterations(3);

// A procedure call per turn: the frame set-up cost.
void vbscriptCalls(benchmark::State &state)
{
    cellvex::vbs::VbsEngine engine;
    engine.addCode(QStringLiteral("Function Add(a, b)\n Add = a + b\nEnd Function"));
    const QString code = QStringLiteral("s = 0\nFor i = 1 To 1000000: s = Add(s, i): Next");
    for (auto _ : state) {
        engine.addCode(code);
    }
}
BENCHMARK(vbscriptCalls)->Unit(benchmark::kMillisecond)->Iterations(3);

void javascriptCalls(benchmark::State &state)
{
    QJSEngine engine;
    engine.evaluate(QStringLiteral("function add(a, b) { return a + b; }"));
    const QString code = QStringLiteral("var s = 0; for (var i = 1; i <= 1000000; i++) { s = add(s, i); }");
    for (auto _ : state) {
        QJSValue r = engine.evaluate(code);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(javascriptCalls)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
