// The commands that go through the host's dialogs: number, workbook export
// and import, and the modeless dialogs; the dialogs themselves are stand-ins.
#include "MainWindowFixture.h"

#include "DialogPlacement.h"
#include "QtHostPrompts.h"
#include "UnavailableDialogFactory.h"

using namespace cellvex;
using namespace cellvex::demo;
using namespace cellvex::demo::fakes;
using automation::Variant;

using DialogCommands = MainWindowFixture;

TEST_F(DialogCommands, NumberDialogSetsWidthsAndHeightsFromItsTwoFields)
{
    struct Row
    {
        const char *action;
        NumberDialogAnswer answer;
        QString request;
        QStringList calls;
        QStringList errors;
    };
    const Row rows[] = {
        {"miColWidth",
         {true, " 3", "120 "},
         "number 列值 列号： 列宽： [0] [0]",
         {"SetColWidth(3, 120)"},
         {}},
        {"tbColWidth", {true, "3", "120"}, "number 列值 列号： 列宽： [0] [0]", {"SetColWidth(3, 120)"}, {}},
        {"miRowHeight", {true, "4", "40"}, "number 行值 行号： 行高： [0] [0]", {"SetRowHeight(4, 40)"}, {}},
        {"tbRowHeight", {true, "4", "40"}, "number 行值 行号： 行高： [0] [0]", {"SetRowHeight(4, 40)"}, {}},
        {"miColWidth", {false, "3", "120"}, "number 列值 列号： 列宽： [0] [0]", {}, {}},
        {"miColWidth",
         {true, "3", "宽"},
         "number 列值 列号： 列宽： [0] [0]",
         {},
         {"error “宽”不是有效的整数值"}},
    };
    for (const Row &row : rows) {
        control.clearCalls();
        dialogs.log.clear();
        prompts.log.clear();
        dialogs.numberAnswer = row.answer;
        trigger(QString::fromLatin1(row.action));
        EXPECT_EQ(dialogs.log, QStringList{row.request}) << row.action;
        EXPECT_EQ(control.calls(), row.calls) << row.action;
        EXPECT_EQ(prompts.log, row.errors) << row.action;
    }
}

// Header and footer rows are read and written late-bound, by dispatch id.
TEST_F(DialogCommands, FixedRowsArePrefilledAndSetHeaderBeforeFooter)
{
    control.on(QStringLiteral("Invoke:58"), [](const auto &, auto &outs) {
        outs.back() = Variant::fromLong(2);
        return automation::S_OK;
    });
    control.on(QStringLiteral("Invoke:59"), [](const auto &, auto &outs) {
        outs.back() = Variant::fromLong(1);
        return automation::S_OK;
    });
    struct Row
    {
        NumberDialogAnswer answer;
        QStringList writes;
        QStringList errors;
    };
    const Row rows[] = {
        {{true, "2", "1"}, {"Invoke(58, 4, 2)", "Invoke(59, 4, 1)"}, {}},
        {{true, "3", "x"}, {"Invoke(58, 4, 3)"}, {"error “x”不是有效的整数值"}},
        {{false, "5", "5"}, {}, {}},
    };
    for (const Row &row : rows) {
        control.clearCalls();
        prompts.log.clear();
        dialogs.log.clear();
        dialogs.numberAnswer = row.answer;
        trigger(QStringLiteral("miFixedRows"));
        EXPECT_EQ(dialogs.log, QStringList{"number 不滚动行 表头： 表尾： [2] [1]"});
        QStringList expected{"Invoke(58, 2)", "Invoke(59, 2)"};
        expected << row.writes;
        EXPECT_EQ(control.calls(), expected);
        EXPECT_EQ(prompts.log, row.errors);
    }
}

TEST_F(DialogCommands, WorkbookTransfersPassTheDialogsChoicesInTheMembersOrder)
{
    selectTwoByTwo();
    struct Row
    {
        const char *action;
        ExcelExportAnswer exportAnswer;
        ExcelImportAnswer importAnswer;
        QStringList calls;
    };
    const Row rows[] = {
        {"miExportExcel",
         {true, true, "/tmp/a.xlsx"},
         {},
         {"TransExcel(\"/tmp/a.xlsx\", false, -1, -1, -1, -1)"}},
        {"miExportExcel",
         {true, false, "/tmp/a.xlsx"},
         {},
         {"TransExcel(\"/tmp/a.xlsx\", true, 1, 2, 2, 3)"}},
        {"miExportExcel", {false, true, "/tmp/a.xlsx"}, {}, {}},
        // Fields 左 2, 上 3, 右 5, 下 9: first column, last column, first row, last row.
        {"miImportExcel",
         {},
         {true, "/tmp/b.xlsx", 2, 3, 5, 9},
         {"TransFormExcel(\"/tmp/b.xlsx\", 2, 5, 3, 9)"}},
        {"miImportExcel", {}, {false, "/tmp/b.xlsx", 2, 3, 5, 9}, {}},
    };
    for (const Row &row : rows) {
        control.clearCalls();
        dialogs.exportAnswer = row.exportAnswer;
        dialogs.importAnswer = row.importAnswer;
        trigger(QString::fromLatin1(row.action));
        EXPECT_EQ(control.calls(), row.calls) << row.action;
    }
}

TEST_F(DialogCommands, ModelessDialogsOpenWithoutTouchingTheControl)
{
    const struct
    {
        const char *action;
        const char *dialog;
    } rows[] = {{"miCell", "cell"}, {"miAlias", "alias"}, {"miFind", "find"}, {"miReplace", "replace"}};
    for (const auto &row : rows) {
        dialogs.log.clear();
        trigger(QString::fromLatin1(row.action));
        EXPECT_EQ(dialogs.log, QStringList{QString::fromLatin1(row.dialog)}) << row.action;
    }
    EXPECT_TRUE(control.calls().isEmpty());
}

TEST(DialogPlacement, CellAndAliasDialogsSitNearTheRightEdgeAndFindInTheCentre)
{
    const QRect screen(0, 0, 1280, 1024);
    EXPECT_EQ(besideScreenEdge(screen, QSize(400, 500)), QPoint(850, 210)); // (1024 - 500) * 0.4 = 209.6
    EXPECT_EQ(besideScreenEdge(QRect(1920, 0, 1920, 1080), QSize(500, 300)), QPoint(1920 + 1390, 312));
    EXPECT_EQ(screenCentre(screen, QSize(400, 300)), QPoint(440, 362));
}

// A build without the dialogs library says so and changes nothing.
TEST(UnavailableDialogs, EveryDialogCommandShowsTheErrorBox)
{
    RecordingCellvex control;
    HostState state{1, 1, 1, 1, 1, 1};
    WindowScriptedPrompts prompts;
    UnavailableDialogFactory dialogs(prompts);
    QTemporaryDir folder;
    MainWindow window(control, nullptr, state, prompts, dialogs, folder.path());
    for (const char *action : {"miCell", "miAlias", "miFind", "miReplace", "miColWidth", "tbRowHeight",
                               "miExportExcel", "miImportExcel"}) {
        prompts.log.clear();
        window.findChild<QAction *>(QString::fromLatin1(action))->trigger();
        EXPECT_EQ(prompts.log, QStringList{"error 对话框尚未实现"}) << action;
    }
    EXPECT_TRUE(control.calls().isEmpty());
}

TEST(QtHostPrompts, FiltersAndColoursAreConvertedForQtAndForTheControl)
{
    EXPECT_EQ(QtHostPrompts::qtFilter(QStringLiteral("Cellvex文件|*.cvd|所有文件|*.*")),
              QStringLiteral("Cellvex文件 (*.cvd);;所有文件 (*.*)"));
    EXPECT_EQ(QtHostPrompts::qtFilter(QStringLiteral("图片文件|*.bmp")), QStringLiteral("图片文件 (*.bmp)"));
    EXPECT_EQ(QtHostPrompts::colorRef(QColor(0x12, 0x34, 0x56)), 0x00563412u);
}
