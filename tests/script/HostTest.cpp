#include "VbsRunner.h"

#include <QThread>

#include <atomic>

namespace {

using namespace cellvex::vbs;

// A stand-in for an automation object: a cell store reached by member name,
// a property with arguments, and a method with an out argument.
class CellsObject : public VbsHostObject, public std::enable_shared_from_this<CellsObject>
{
public:
    QString typeName() const override { return QStringLiteral("Cells"); }
    VbsHostError invoke(const QString &name, VbsCallKind kind, QVariantList &args, QVariant &result) override
    {
        const QString n = name.toLower();
        if (n == QLatin1String("setcellvalue")) {
            if (args.size() != 3) {
                return {450, {}};
            }
            cells[{args[0].toInt(), args[1].toInt()}] = args[2].toString();
            return {};
        }
        if (n == QLatin1String("cell")) { // property with arguments, readable and writable
            if (args.size() < 2) {
                return {450, {}};
            }
            auto key = std::make_pair(args[0].toInt(), args[1].toInt());
            if (kind == VbsCallKind::Get) {
                result = cells.value(key);
            } else {
                cells[key] = args[2].toString();
            }
            return {};
        }
        if (n == QLatin1String("getsize")) { // out arguments
            if (args.size() != 2) {
                return {450, {}};
            }
            args[0] = 10;
            args[1] = 20;
            return {};
        }
        if (n == QLatin1String("fail")) {
            return {5, QStringLiteral("Bad cell reference")};
        }
        if (n == QLatin1String("self")) {
            result = QVariant::fromValue(VbsHostObjectPtr(shared_from_this()));
            return {};
        }
        if (n == QLatin1String("child")) {
            result = QVariant::fromValue(VbsHostObjectPtr(std::make_shared<CellsObject>()));
            return {};
        }
        return {438, {}};
    }
    bool enumerate(QVariantList &items) override
    {
        items = {1, 2, 3};
        return true;
    }
    QMap<std::pair<int, int>, QString> cells;
};

struct Host
{
    VbsEngine engine;
    std::shared_ptr<CellsObject> cells = std::make_shared<CellsObject>();
    QList<VbsEngine::Error> errors;
    Host()
    {
        engine.setLanguage(QStringLiteral("vbscript"));
        engine.addObject(QStringLiteral("Cellvex"), cells);
        engine.setErrorHandler([this](const VbsEngine::Error &e) { errors << e; });
    }
};

TEST(VbsHost, LanguageByName)
{
    VbsEngine engine;
    EXPECT_TRUE(engine.setLanguage(QStringLiteral("VBScript")));
    EXPECT_TRUE(engine.setLanguage(QStringLiteral("vbs")));
    EXPECT_FALSE(engine.setLanguage(QStringLiteral("JavaScript")));
    EXPECT_EQ(engine.language(), QStringLiteral("VBScript"));
}

TEST(VbsHost, MembersByNameWithArgumentsAndOutValues)
{
    Host h;
    ASSERT_TRUE(h.engine.addCode(QStringLiteral("Cellvex.SetCellValue 1, 1, \"x\"\n"
                                                "cellvex.Cell(2, 3) = 42\n"
                                                "v = Cellvex.Cell(2, 3)\n"
                                                "Dim w, ht\n"
                                                "Cellvex.GetSize w, ht\n"
                                                "For Each i In Cellvex : s = s & i : Next\n"
                                                "t = TypeName(Cellvex.Child)\n"
                                                "same = Cellvex.Self Is Cellvex\n"
                                                "other = Cellvex.Child Is Cellvex.Child\n")));
    EXPECT_EQ(h.cells->cells.value({1, 1}), QStringLiteral("x"));
    EXPECT_EQ(h.cells->cells.value({2, 3}), QStringLiteral("42"));
    EXPECT_EQ(h.engine.globalValue(QStringLiteral("v")).toString(), QStringLiteral("42"));
    EXPECT_EQ(h.engine.globalValue(QStringLiteral("w")).toInt(), 10);
    EXPECT_EQ(h.engine.globalValue(QStringLiteral("ht")).toInt(), 20);
    EXPECT_EQ(h.engine.globalValue(QStringLiteral("s")).toString(), QStringLiteral("123"));
    EXPECT_EQ(h.engine.globalValue(QStringLiteral("t")).toString(), QStringLiteral("Cells"));
    EXPECT_TRUE(h.engine.globalValue(QStringLiteral("same")).toBool());
    EXPECT_FALSE(h.engine.globalValue(QStringLiteral("other")).toBool());
    EXPECT_TRUE(h.errors.isEmpty());
}

TEST(VbsHost, HostErrorsReachTheScriptAndTheHandler)
{
    Host h;
    EXPECT_FALSE(h.engine.addCode(QStringLiteral("x = 1\nCellvex.Fail")));
    ASSERT_EQ(h.errors.size(), 1);
    EXPECT_EQ(h.errors[0].number, 5);
    EXPECT_EQ(h.errors[0].line, 2);
    EXPECT_EQ(h.errors[0].description, QStringLiteral("Bad cell reference"));
    EXPECT_FALSE(h.engine.addCode(QStringLiteral("Cellvex.NoSuchThing 1")));
    EXPECT_EQ(h.errors.last().number, 438);
    ASSERT_TRUE(h.engine.addCode(
        QStringLiteral("On Error Resume Next\nCellvex.Fail\nn = Err.Number : d = Err.Description")));
    EXPECT_EQ(h.engine.globalValue(QStringLiteral("n")).toInt(), 5);
    EXPECT_EQ(h.engine.globalValue(QStringLiteral("d")).toString(), QStringLiteral("Bad cell reference"));
}

TEST(VbsHost, EvaluateAndCallWithByRef)
{
    Host h;
    ASSERT_TRUE(h.engine.addCode(QStringLiteral("Dim total : total = 10\n"
                                                "Sub Cellvex_OnCellChanging(aCol, aRow, aValue, aCancel)\n"
                                                "  If aCol = 2 Then aCancel = True\n"
                                                "  aValue = UCase(aValue)\n"
                                                "End Sub\n"
                                                "Function Twice(n) : Twice = n * 2 : End Function")));
    QVariant v;
    ASSERT_TRUE(h.engine.evaluate(QStringLiteral("total * 3 + 1"), &v));
    EXPECT_EQ(v.toInt(), 31);
    ASSERT_TRUE(h.engine.evaluate(QStringLiteral("Twice(21)"), &v));
    EXPECT_EQ(v.toInt(), 42);
    EXPECT_TRUE(h.engine.hasProcedure(QStringLiteral("cellvex_oncellchanging")));
    EXPECT_FALSE(h.engine.hasProcedure(QStringLiteral("Cellvex_OnKeyPress")));
    QVariantList args{2, 1, QStringLiteral("abc"), false};
    ASSERT_TRUE(h.engine.call(QStringLiteral("Cellvex_OnCellChanging"), args));
    EXPECT_EQ(args[2].toString(), QStringLiteral("ABC"));
    EXPECT_TRUE(args[3].toBool());
    QVariantList wrong{1};
    EXPECT_FALSE(h.engine.call(QStringLiteral("Cellvex_OnCellChanging"), wrong));
    EXPECT_EQ(h.errors.last().number, 450);
    EXPECT_FALSE(h.engine.call(QStringLiteral("Missing"), wrong));
    EXPECT_EQ(h.errors.last().number, 35);
    EXPECT_FALSE(h.engine.evaluate(QStringLiteral("1 +"), &v));
    EXPECT_TRUE(h.errors.last().compile);
    EXPECT_EQ(h.errors.last().number, 1023);
}

TEST(VbsHost, MessageAndInputBoxGoThroughTheHost)
{
    Host h;
    QStringList shown;
    h.engine.setMessageBoxHandler([&](const QString &prompt, int buttons, const QString &title) {
        shown << QStringLiteral("%1/%2/%3").arg(prompt).arg(buttons).arg(title);
        return 6; // vbYes
    });
    h.engine.setInputBoxHandler(
        [](const QString &, const QString &, const QString &def) { return def + "!"; });
    ASSERT_TRUE(h.engine.addCode(QStringLiteral("r = MsgBox(\"Save?\", vbYesNo, \"Report\")\nMsgBox "
                                                "\"done\"\ni = InputBox(\"Name\", \"T\", \"abc\")")));
    EXPECT_EQ(shown, QStringList({QStringLiteral("Save?/4/Report"), QStringLiteral("done/0/")}));
    EXPECT_EQ(h.engine.globalValue(QStringLiteral("r")).toInt(), 6);
    EXPECT_EQ(h.engine.globalValue(QStringLiteral("i")).toString(), QStringLiteral("abc!"));

    VbsEngine headless; // no handlers: OK and empty
    ASSERT_TRUE(headless.addCode(QStringLiteral("r = MsgBox(\"x\") : i = InputBox(\"y\")")));
    EXPECT_EQ(headless.globalValue(QStringLiteral("r")).toInt(), 1);
    EXPECT_EQ(headless.globalValue(QStringLiteral("i")).toString(), QString());
}

TEST(VbsHost, ObjectFactoryServesOtherProgIds)
{
    Host h;
    h.engine.setObjectFactory([](const QString &progId) -> VbsHostObjectPtr {
        if (progId == QLatin1String("Cellvex.Cells")) {
            return std::make_shared<CellsObject>();
        }
        return nullptr;
    });
    ASSERT_TRUE(
        h.engine.addCode(QStringLiteral("Set c = CreateObject(\"Cellvex.Cells\") : t = TypeName(c)")));
    EXPECT_EQ(h.engine.globalValue(QStringLiteral("t")).toString(), QStringLiteral("Cells"));
    EXPECT_FALSE(h.engine.addCode(QStringLiteral("Set c = CreateObject(\"Other.Thing\")")));
    EXPECT_EQ(h.errors.last().number, 429);
}

TEST(VbsHost, InterruptStopsARunawayScriptFromAnotherThread)
{
    Host h;
    std::atomic<bool> started{false};
    struct Flag : VbsHostObject
    {
        std::atomic<bool> *started;
        VbsHostError invoke(const QString &, VbsCallKind, QVariantList &, QVariant &) override
        {
            started->store(true);
            return {};
        }
    };
    auto flag = std::make_shared<Flag>();
    flag->started = &started;
    h.engine.addObject(QStringLiteral("Flag"), flag);
    QThread *stopper = QThread::create([&] {
        while (!started.load()) {
            QThread::msleep(1);
        }
        QThread::msleep(20);
        h.engine.interrupt();
    });
    stopper->start();
    EXPECT_FALSE(h.engine.addCode(QStringLiteral("Flag.Go\nOn Error Resume Next\nDo : x = x + 1 : Loop")));
    stopper->wait();
    delete stopper;
    ASSERT_EQ(h.errors.size(), 1);
    EXPECT_EQ(h.errors[0].number, 4097);
    // The engine works again afterwards.
    EXPECT_TRUE(h.engine.addCode(QStringLiteral("y = 1")));
}

TEST(VbsHost, CodeAddedLaterSeesEarlierDefinitions)
{
    Host h;
    ASSERT_TRUE(
        h.engine.addCode(QStringLiteral("Class Counter\n Public N\nEnd Class\nSet c = New Counter\n"
                                        "Function Bump() : c.N = c.N + 1 : Bump = c.N : End Function")));
    ASSERT_TRUE(h.engine.addCode(QStringLiteral("Bump : Bump : r = Bump()")));
    EXPECT_EQ(h.engine.globalValue(QStringLiteral("r")).toInt(), 3);
    // Option Explicit applies to the block that states it.
    EXPECT_TRUE(h.engine.addCode(QStringLiteral("undeclared = 1")));
    EXPECT_FALSE(h.engine.addCode(QStringLiteral("Option Explicit\nundeclared2 = 1")));
    EXPECT_EQ(h.errors.last().number, 500);
}

} // namespace
