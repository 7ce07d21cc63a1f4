// Every command of the main window's menus, toolbars and pop-up menus, driven
// through its action, against the calls the control must receive.
#include "MainWindowFixture.h"

#include "ReportFiles.h"

#include "common/AnsiText.h"

#include <QFile>
#include <QLineEdit>

using namespace cellvex;
using namespace cellvex::demo;
using namespace cellvex::demo::fakes;
using automation::Variant;

namespace {

QString q(const char *text)
{
    return QString::fromUtf8(text);
}

QStringList concat(std::initializer_list<QStringList> parts)
{
    QStringList all;
    for (const QStringList &part : parts)
        all << part;
    return all;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

using Commands = MainWindowFixture;

// Commands whose calls depend only on the selection copy: a 2 x 2 selection
// (1,2)-(2,3) with the input cell (2,3).
TEST_F(Commands, SelectionCommandsMakeTheirCallsInOrder)
{
    const auto B = [](int c, int r, int type, int width) {
        return QStringLiteral("SetCellBorders(%1, %2, %3, %4)").arg(c).arg(r).arg(type).arg(width);
    };
    const auto outline = [&](int w) {
        return QStringList{B(1, 2, 1, w), B(1, 3, 1, w), B(1, 2, 2, w), B(2, 2, 2, w),
                           B(2, 2, 3, w), B(2, 3, 3, w), B(1, 3, 4, w), B(2, 3, 4, w)};
    };
    struct Row
    {
        QStringList actions;
        QStringList calls;
    };
    const Row rows[] = {
        {{"miNew", "tbNew"}, {"NewReport(6, 30)"}},
        {{"miPageSetup", "tbPageSetup"}, {"PrintSetup()"}},
        {{"miPreview", "tbPreview"}, {"Preview()"}},
        {{"miPrint", "tbPrint"}, {"Print(true)"}},
        {{"miCut", "tbCut", "pmCut"}, {"CutCell(1, 2, 2, 3)"}},
        {{"miCopy", "tbCopy", "pmCopy"}, {"CopyCell(1, 2, 2, 3)"}},
        {{"miPaste", "tbPaste", "pmPaste"}, {"PasteCell(1, 2, true)"}},
        {{"miMerge", "tbMerge", "pmMerge"}, {"MergeCell(1, 2, 2, 3)"}},
        {{"miSplit", "tbSplit", "pmSplit"}, {"SplitCell(1, 2, 2, 3)"}},
        {{"miCutText"}, {"CutCellText(1, 2, 2, 3)"}},
        {{"miCopyText"}, {"CopyCellText(1, 2, 2, 3)"}},
        {{"miPasteText"}, {"PasteCellText(1, 2, false)"}},
        {{"miFill1"}, {"FillCell(1)"}},
        {{"miFill2"}, {"FillCell(2)"}},
        {{"miFill3"}, {"FillCell(3)"}},
        {{"miFill4"}, {"FillCell(4)"}},
        {{"miFill5"}, {"FillCell(5)"}},
        {{"miFill6"}, {"FillCell(6)"}},
        {{"miInsertCol", "tbInsertCol", "pmInsertCol"}, {"InsertCol(2, 1)"}},
        {{"miInsertRow", "tbInsertRow", "pmInsertRow"}, {"InsertRow(3, 1)"}},
        {{"miDeleteCol", "tbDeleteCol", "pmDeleteCol"}, {"DeleteCol(1, 2)"}},
        {{"miDeleteRow", "tbDeleteRow", "pmDeleteRow"}, {"DeleteRow(2, 3)"}},
        {{"miAppendCol", "tbAppendCol", "pmAppendCol"}, {"AppendCol(1)"}},
        {{"miAppendRow", "tbAppendRow", "pmAppendRow"}, {"AppendRow(1)"}},
        {{"miClearPicture", "tbClearPicture"}, overTwoByTwo(q("SetCellPicture(%1, %2, \"\", false)"))},
        {{"miReadOnly", "tbReadOnly"}, overTwoByTwo(q("SetCellReadOnly(%1, %2, true)"))},
        {{"miReadWrite", "tbReadWrite"}, overTwoByTwo(q("SetCellReadOnly(%1, %2, false)"))},
        {{"miCalcCols", "tbCalcCols"}, {"ExplainAllExpression(0)"}},
        {{"miCalcRows", "tbCalcRows"}, {"ExplainAllExpression(1)"}},
        {{"miCellScript", "tbCellScript"}, {"EditCellScript()"}},
        {{"miInitScript", "tbInitScript"}, {"EditInitScript()"}},
        {{"tbAlignLeft"}, overTwoByTwo(q("SetLabelHAlignment(%1, %2, 0)"))},
        {{"tbAlignCenter"}, overTwoByTwo(q("SetLabelHAlignment(%1, %2, 1)"))},
        {{"tbAlignRight"}, overTwoByTwo(q("SetLabelHAlignment(%1, %2, 2)"))},
        {{"tbAlignTop"}, overTwoByTwo(q("SetLabelVAlignment(%1, %2, 0)"))},
        {{"tbAlignMiddle"}, overTwoByTwo(q("SetLabelVAlignment(%1, %2, 1)"))},
        {{"tbAlignBottom"}, overTwoByTwo(q("SetLabelVAlignment(%1, %2, 2)"))},
        // All lines: left, top, then right and bottom closing the last column and row.
        {{"ToolButton26"},
         {B(1, 2, 1, 1), B(1, 2, 2, 1), B(1, 2, 3, 0), B(1, 2, 4, 0), B(1, 3, 1, 1), B(1, 3, 2, 1),
          B(1, 3, 3, 0), B(1, 3, 4, 1), B(2, 2, 1, 1), B(2, 2, 2, 1), B(2, 2, 3, 1), B(2, 2, 4, 0),
          B(2, 3, 1, 1), B(2, 3, 2, 1), B(2, 3, 3, 1), B(2, 3, 4, 1)}},
        {{"ToolButton27"}, outline(1)},
        {{"ToolButton56"}, outline(2)},
        {{"ToolButton32"},
         concat({{B(1, 2, 1, 0), B(1, 2, 2, 0), B(1, 2, 3, 0), B(1, 2, 4, 0)},
                 {B(1, 3, 1, 0), B(1, 3, 2, 0), B(1, 3, 3, 0), B(1, 3, 4, 0)},
                 {B(2, 2, 1, 0), B(2, 2, 2, 0), B(2, 2, 3, 0), B(2, 2, 4, 0)},
                 {B(2, 3, 1, 0), B(2, 3, 2, 0), B(2, 3, 3, 0), B(2, 3, 4, 0)}})},
        // Inner lines: inside lines on, then the outer left and top lines off.
        {{"ToolButton43"},
         {B(1, 3, 2, 1), B(2, 2, 1, 1), B(2, 3, 1, 1), B(2, 3, 2, 1), B(1, 2, 1, 0), B(1, 2, 2, 0),
          B(1, 3, 1, 0), B(2, 2, 2, 0)}},
        {{"ToolButton52"}, {B(1, 2, 1, 1), B(1, 3, 1, 1)}},
        {{"ToolButton53"}, {B(1, 2, 2, 1), B(2, 2, 2, 1)}},
        {{"ToolButton54"}, {B(2, 2, 3, 1), B(2, 3, 3, 1)}},
        {{"ToolButton55"}, {B(1, 3, 4, 1), B(2, 3, 4, 1)}},
        {{"ToolButton58"}, overTwoByTwo(q("SetCellBorders(%1, %2, 0, 1)"))},
        {{"ToolButton59"}, overTwoByTwo(q("SetCellBorders(%1, %2, 0, 2)"))},
        {{"ToolButton60"}, overTwoByTwo(q("SetCellBorders(%1, %2, 0, 3)"))},
        {{"ToolButton62"}, overTwoByTwo(q("SetCellBorders(%1, %2, 0, 0)"))},
    };
    for (const Row &row : rows) {
        for (const QString &action : row.actions) {
            selectTwoByTwo();
            control.clearCalls();
            trigger(action);
            EXPECT_EQ(control.calls(), row.calls) << action.toStdString();
        }
    }
    EXPECT_TRUE(prompts.log.isEmpty()) << prompts.log.join(QLatin1Char('\n')).toStdString();
}

TEST_F(Commands, NothingSelectedPassesMinusOneAndBeforeTheFirstEventZero)
{
    state = HostState{-1, -1, -1, -1, -1, -1};
    trigger(QStringLiteral("miCut"));
    trigger(QStringLiteral("tbReadOnly"));
    trigger(QStringLiteral("ToolButton27"));
    EXPECT_EQ(control.calls(), (QStringList{"CutCell(-1, -1, -1, -1)", "SetCellReadOnly(-1, -1, true)",
                                            "SetCellBorders(-1, -1, 1, 1)", "SetCellBorders(-1, -1, 2, 1)",
                                            "SetCellBorders(-1, -1, 3, 1)", "SetCellBorders(-1, -1, 4, 1)"}));
    control.clearCalls();
    state = HostState{};
    trigger(QStringLiteral("miPaste"));
    trigger(QStringLiteral("miInsertRow"));
    EXPECT_EQ(control.calls(), (QStringList{"PasteCell(0, 0, true)", "InsertRow(0, 1)"}));
}

TEST_F(Commands, SamplesOpenFromTheProgramFolder)
{
    const struct
    {
        const char *action;
        const char *file;
    } rows[] = {
        {"miSampleChart", "图表.cvd"}, {"miSampleReport", "报告.cvd"}, {"miSampleAccount", "帐表.cvd"}};
    for (const auto &row : rows) {
        control.clearCalls();
        trigger(QString::fromLatin1(row.action));
        EXPECT_EQ(control.calls(), QStringList{QStringLiteral("OpenReport(\"%1\")").arg(path(q(row.file)))});
    }
}

TEST_F(Commands, FormulaEditTextGoesToEverySelectedCell)
{
    selectTwoByTwo();
    window->findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(QStringLiteral("sum(1, 1, 1, 4)"));
    for (const char *action : {"miSetFormula", "tbSetFormula"}) {
        control.clearCalls();
        trigger(QString::fromLatin1(action));
        EXPECT_EQ(control.calls(), overTwoByTwo(q("SetCellExpression(%1, %2, \"sum(1, 1, 1, 4)\")")))
            << action;
    }
}

// File commands: the prompt, the call, and the file written in the control's
// code page with nothing added.
TEST_F(Commands, ExportsWriteTheMembersResultAsGbkBytes)
{
    const QString text = q("甲\tb\r\nc\td\r\n");
    struct Row
    {
        const char *action;
        const char *member;
        const char *prompt;
        QString call;
    };
    const Row rows[] = {
        {"miExportXml0", "ExportXML", "save XML文件|*.xml .xml", q("ExportXML(0, \"\")")},
        {"miExportXml1", "ExportXML", "save XML文件|*.xml .xml", q("ExportXML(1, \"\")")},
        {"miExportBase64", "SaveString", "save 文本文件|*.txt .txt", q("SaveString()")},
        {"miExportHtml", "TransHtml", "save HTML文件|*.htm .htm",
         QStringLiteral("TransHtml(false, -1, -1, -1, -1, \"%1/\")").arg(folder.path())},
        {"miExportText1", "TransText", "save 文本文件|*.txt .txt",
         q("TransText(false, -1, -1, -1, -1, true, \"\t\")")},
        {"miExportText2", "TransText", "save 文本文件|*.txt .txt",
         q("TransText(false, -1, -1, -1, -1, false, \" \")")},
    };
    for (const Row &row : rows) {
        const QString file = path(QStringLiteral("%1.out").arg(QLatin1String(row.action)));
        control.clearCalls();
        prompts.log.clear();
        control.returns(QString::fromLatin1(row.member), Variant::fromString(text));
        prompts.saveNames = {file};
        trigger(QString::fromLatin1(row.action));
        EXPECT_EQ(prompts.log, QStringList{q(row.prompt)}) << row.action;
        EXPECT_EQ(control.calls(), QStringList{row.call}) << row.action;
        EXPECT_EQ(fileBytes(file), QByteArray("\xBC\xD7\tb\r\nc\td\r\n")) << row.action;

        // Cancelled: no call and no file.
        control.clearCalls();
        trigger(QString::fromLatin1(row.action));
        EXPECT_TRUE(control.calls().isEmpty()) << row.action;
    }
}

TEST_F(Commands, ImportsAndOpensPassTheChosenFile)
{
    const QString file = path(QStringLiteral("in.txt"));
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(toAnsi(q("<CellXML>乙</CellXML>")));
    }
    selectTwoByTwo();
    struct Row
    {
        const char *action;
        const char *prompt;
        QStringList calls;
    };
    const Row rows[] = {
        {"miOpen", "open Cellvex文件|*.cvd|所有文件|*.*", {QStringLiteral("OpenReport(\"%1\")").arg(file)}},
        {"tbOpen", "open Cellvex文件|*.cvd|所有文件|*.*", {QStringLiteral("OpenReport(\"%1\")").arg(file)}},
        {"miSave", "save Cellvex文件|*.cvd .cvd", {QStringLiteral("SaveReport(\"%1\")").arg(file)}},
        {"tbSave", "save Cellvex文件|*.cvd .cvd", {QStringLiteral("SaveReport(\"%1\")").arg(file)}},
        {"miImportXml0", "open XML文件|*.xml", {q("ImportXML(\"<CellXML>乙</CellXML>\")")}},
        {"miImportXml1", "open XML文件|*.xml", {q("ImportXML(\"<CellXML>乙</CellXML>\")")}},
        {"miImportBase64", "open 文本文件|*.txt", {q("OpenString(\"<CellXML>乙</CellXML>\")")}},
        {"miAddPicture", "open 图片文件|*.bmp",
         overTwoByTwo(QStringLiteral("SetCellPicture(%1, %2, \"%3\", true)")
                          .arg(QStringLiteral("%1"), QStringLiteral("%2"), file))},
        {"tbAddPicture", "open 图片文件|*.bmp",
         overTwoByTwo(QStringLiteral("SetCellPicture(%1, %2, \"%3\", true)")
                          .arg(QStringLiteral("%1"), QStringLiteral("%2"), file))},
    };
    for (const Row &row : rows) {
        for (bool cancelled : {false, true}) {
            control.clearCalls();
            prompts.log.clear();
            if (!cancelled) {
                prompts.openNames = {file};
                prompts.saveNames = {file};
            }
            trigger(QString::fromLatin1(row.action));
            EXPECT_EQ(prompts.log, QStringList{q(row.prompt)}) << row.action;
            EXPECT_EQ(control.calls(), cancelled ? QStringList() : row.calls) << row.action << cancelled;
        }
    }
}

TEST_F(Commands, ColorButtonsPassTheChosenColourAndNothingWhenCancelled)
{
    selectTwoByTwo();
    prompts.colors = {0x00336699};
    trigger(QStringLiteral("tbFontColor"));
    prompts.colors = {0x000000FF};
    trigger(QStringLiteral("tbBackColor"));
    trigger(QStringLiteral("tbBackColor"));
    EXPECT_EQ(control.calls(), concat({overTwoByTwo(QStringLiteral("SetFontColor(%1, %2, 3368601)")),
                                       overTwoByTwo(QStringLiteral("SetCellBackColor(%1, %2, 255)"))}));
}

TEST_F(Commands, AnOversizedFileIsRefusedBeforeItIsRead)
{
    QFile big(path(QStringLiteral("big.txt")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(kMaxTextFileBytes + 1)); // sparse: nothing is written
    big.close();
    prompts.openNames = {big.fileName()};
    trigger(QStringLiteral("miImportBase64"));
    EXPECT_TRUE(control.calls().isEmpty());
    ASSERT_EQ(prompts.log.size(), 2);
    EXPECT_TRUE(prompts.log.last().startsWith(QStringLiteral("error 文件")))
        << prompts.log.last().toStdString();
}
