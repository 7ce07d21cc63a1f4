#include "AliasDialog.h"
#include "DialogTestSupport.h"
#include "ExcelExportDialog.h"
#include "ExcelImportDialog.h"
#include "FindDialog.h"
#include "HostState.h"
#include "NumberDialog.h"
#include "RecordingCellvex.h"
#include "ReplaceDialog.h"
#include "ScriptedPrompts.h"
#include "automation/ErrorInfo.h"

#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include <functional>
#include <map>

using namespace cellvex;
using namespace cellvex::demo;
using namespace cellvex::demo::testing;
using automation::Variant;
using fakes::RecordingCellvex;
using fakes::ScriptedPrompts;

namespace {

QString S(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

TEST(FindDialog, PassesTheChosenOptionsInTheMembersOrder)
{
    struct Row
    {
        QStringList clicks;
        const char *call;
    };
    // FindCellsString(aSelected, aColOrRow, aUpOrDown, aCaseSensitive, aWholeWords, text)
    const Row rows[] = {
        {{}, "FindCellsString(false, false, false, false, false, \"金额\")"},
        {{S("RadioButton2")}, "FindCellsString(false, false, true, false, false, \"金额\")"},
        {{S("RadioButton4")}, "FindCellsString(false, true, false, false, false, \"金额\")"},
        {{S("RadioButton6")}, "FindCellsString(true, false, false, false, false, \"金额\")"},
        {{S("CheckBox1")}, "FindCellsString(false, false, false, true, false, \"金额\")"},
        {{S("CheckBox2")}, "FindCellsString(false, false, false, false, true, \"金额\")"},
        {{S("RadioButton2"), S("RadioButton1"), S("RadioButton4"), S("RadioButton3")},
         "FindCellsString(false, false, false, false, false, \"金额\")"},
    };
    for (const Row &row : rows) {
        RecordingCellvex fake;
        ScriptedPrompts prompts;
        FindDialog dialog(&fake, prompts);
        dialog.show();
        retype(child<QLineEdit>(&dialog, S("Edit1")), S("金额"));
        for (const QString &name : row.clicks)
            click(child<QAbstractButton>(&dialog, name));
        click(child<QPushButton>(&dialog, S("Button1")));
        EXPECT_EQ(fake.calls(), QStringList{S(row.call)}) << row.clicks.join(QLatin1Char(' ')).toStdString();
    }
}

TEST(FindAndReplace, EmptyFindTextDoesNothingAndClosingOnlyHides)
{
    RecordingCellvex fake;
    ScriptedPrompts prompts;
    FindDialog find(&fake, prompts);
    ReplaceDialog replace(&fake, prompts);
    for (QDialog *dialog : {static_cast<QDialog *>(&find), static_cast<QDialog *>(&replace)}) {
        dialog->show();
        EXPECT_TRUE(child<QPushButton>(dialog, S("Button1"))->isDefault());
        click(child<QPushButton>(dialog, S("Button1")));
        click(child<QPushButton>(dialog, S("Button2")));
        EXPECT_TRUE(dialog->isHidden());
        EXPECT_FALSE(dialog->testAttribute(Qt::WA_DeleteOnClose));
    }
    EXPECT_TRUE(fake.calls().isEmpty());
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST(ReplaceDialog, PassesTheChosenOptionsInTheMembersOrder)
{
    struct Row
    {
        QStringList clicks;
        const char *call;
    };
    // ReplaceCellsString(aSelected, aCaseSensitive, aWholeWords, find, replacement)
    const Row rows[] = {
        {{}, "ReplaceCellsString(false, false, false, \"旧\", \"新\")"},
        {{S("RadioButton2")}, "ReplaceCellsString(true, false, false, \"旧\", \"新\")"},
        {{S("CheckBox1")}, "ReplaceCellsString(false, true, false, \"旧\", \"新\")"},
        {{S("CheckBox2")}, "ReplaceCellsString(false, false, true, \"旧\", \"新\")"},
    };
    for (const Row &row : rows) {
        RecordingCellvex fake;
        ScriptedPrompts prompts;
        ReplaceDialog dialog(&fake, prompts);
        dialog.show();
        retype(child<QLineEdit>(&dialog, S("Edit1")), S("旧"));
        retype(child<QLineEdit>(&dialog, S("Edit2")), S("新"));
        for (const QString &name : row.clicks)
            click(child<QAbstractButton>(&dialog, name));
        click(child<QPushButton>(&dialog, S("Button1")));
        EXPECT_EQ(fake.calls(), QStringList{S(row.call)});
    }
}

TEST(FindDialog, AFailedSearchIsShownInTheErrorBox)
{
    RecordingCellvex fake;
    fake.fails(S("FindCellsString"), S("FindCellsString 尚未实现"));
    ScriptedPrompts prompts;
    FindDialog dialog(&fake, prompts);
    dialog.show();
    retype(child<QLineEdit>(&dialog, S("Edit1")), S("a"));
    click(child<QPushButton>(&dialog, S("Button1")));
    EXPECT_EQ(prompts.errors, QStringList{S("FindCellsString 尚未实现")});
}

TEST(NumberDialog, ShowsTheCallersTextsAndHandsBackWhatWasTyped)
{
    struct Row
    {
        const char *button;
        int result;
    };
    for (const Row &row : {Row{"Button1", QDialog::Accepted}, Row{"Button2", QDialog::Rejected}}) {
        NumberDialog dialog;
        EXPECT_EQ(dialog.firstText(), S("0"));
        EXPECT_EQ(dialog.secondText(), S("0"));
        dialog.setup(S("列值"), S("列号："), S("列宽："));
        dialog.setValues(S("3"), S("4"));
        dialog.show();
        EXPECT_EQ(dialog.windowTitle(), S("列值"));
        EXPECT_EQ(child<QLabel>(&dialog, S("Label1"))->text(), S("列号："));
        EXPECT_EQ(child<QLabel>(&dialog, S("Label2"))->text(), S("列宽："));
        retype(child<QLineEdit>(&dialog, S("Edit2")), S("x1"));
        click(child<QPushButton>(&dialog, S(row.button)));
        EXPECT_EQ(dialog.result(), row.result);
        EXPECT_EQ(dialog.firstText(), S("3"));
        EXPECT_EQ(dialog.secondText(), S("x1")) << "the fields take any typing";
    }
}

TEST(ExcelExportDialog, ConfirmsOnlyWithAFileName)
{
    struct Row
    {
        const char *what;
        std::function<void(ExcelExportDialog &, ScriptedPrompts &)> steps;
        bool open;
        bool confirmed;
        bool whole;
        const char *file;
    };
    const auto ok = [](ExcelExportDialog &d, ScriptedPrompts &) {
        click(child<QPushButton>(&d, S("Button1")));
    };
    const Row rows[] = {
        {"empty name stays open", ok, true, false, true, ""},
        {"typed name",
         [&](ExcelExportDialog &d, ScriptedPrompts &p) {
             retype(child<QLineEdit>(&d, S("Edit1")), S("/tmp/r.xlsx"));
             ok(d, p);
         },
         false, true, true, "/tmp/r.xlsx"},
        {"browsed name, selected cells",
         [&](ExcelExportDialog &d, ScriptedPrompts &p) {
             p.fileNames.push_back(S("/tmp/报表.xlsx"));
             click(child<QPushButton>(&d, S("Button3")));
             click(child<QRadioButton>(&d, S("RadioButton2")));
             ok(d, p);
         },
         false, true, false, "/tmp/报表.xlsx"},
        {"cancelled browse keeps the name",
         [&](ExcelExportDialog &d, ScriptedPrompts &) {
             retype(child<QLineEdit>(&d, S("Edit1")), S("a.xlsx"));
             click(child<QPushButton>(&d, S("Button3")));
         },
         true, false, true, "a.xlsx"},
        {"cancel",
         [&](ExcelExportDialog &d, ScriptedPrompts &) {
             retype(child<QLineEdit>(&d, S("Edit1")), S("a.xlsx"));
             click(child<QPushButton>(&d, S("Button2")));
         },
         false, false, true, "a.xlsx"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        ScriptedPrompts prompts;
        ExcelExportDialog dialog(prompts);
        EXPECT_FALSE(dialog.confirmed());
        dialog.show();
        row.steps(dialog, prompts);
        EXPECT_EQ(dialog.isVisible(), row.open);
        EXPECT_EQ(dialog.confirmed(), row.confirmed);
        EXPECT_EQ(dialog.wholeReport(), row.whole);
        EXPECT_EQ(dialog.fileName(), S(row.file));
        for (const QString &question : prompts.asked)
            EXPECT_EQ(question, S("saveFileName Excel表格|*.xlsx xlsx"));
    }
}

TEST(ExcelImportDialog, RangeFieldsTakeTypedDigitsOnly)
{
    struct Row
    {
        const char *what;
        std::function<void(QLineEdit *)> keys;
        const char *text;
    };
    const Row rows[] = {
        {"a letter", [](QLineEdit *e) { typeKeys(e, S("a")); }, "10"},
        {"a full-width digit", [](QLineEdit *e) { typeKeys(e, S("５")); }, "10"},
        {"backspace", [](QLineEdit *e) { QTest::keyClick(e, Qt::Key_Backspace); }, "10"},
        {"digits", [](QLineEdit *e) { typeKeys(e, S("25")); }, "1025"},
        {"delete",
         [](QLineEdit *e) {
             e->setCursorPosition(0);
             QTest::keyClick(e, Qt::Key_Delete);
         },
         "0"},
        {"overtyping a selection",
         [](QLineEdit *e) {
             e->selectAll();
             typeKeys(e, S("7"));
         },
         "7"},
    };
    for (const Row &row : rows) {
        ScriptedPrompts prompts;
        ExcelImportDialog dialog(prompts);
        dialog.show();
        QLineEdit *right = child<QLineEdit>(&dialog, S("Edit4"));
        ASSERT_EQ(right->text(), S("10"));
        right->setFocus();
        right->setCursorPosition(2);
        row.keys(right);
        EXPECT_EQ(right->text(), S(row.text)) << row.what;
    }
}

TEST(ExcelImportDialog, ConfirmsOnlyACompleteRangeThatIsNotInverted)
{
    struct Row
    {
        const char *file, *left, *top, *right, *bottom;
        bool confirmed;
        const char *error;
    };
    const Row rows[] = {
        {"/tmp/a.xlsx", "1", "1", "10", "10", true, ""},
        {"/tmp/a.xlsx", "5", "1", "3", "10", false, ""},
        {"/tmp/a.xlsx", "1", "8", "3", "2", false, ""},
        {"/tmp/a.xlsx", "3", "2", "3", "2", true, ""},
        {"", "1", "1", "10", "10", false, ""},
        {"/tmp/a.xlsx", "", "1", "10", "10", false, ""},
        {"/tmp/a.xlsx", "1", "1", "10", "", false, ""},
        {"/tmp/a.xlsx", "1", "1", "99999999999", "10", false, "“99999999999”不是有效的整数值"},
    };
    for (const Row &row : rows) {
        ScriptedPrompts prompts;
        ExcelImportDialog dialog(prompts);
        dialog.show();
        child<QLineEdit>(&dialog, S("Edit1"))->setText(S(row.file));
        child<QLineEdit>(&dialog, S("Edit2"))->setText(S(row.left));
        child<QLineEdit>(&dialog, S("Edit3"))->setText(S(row.top));
        child<QLineEdit>(&dialog, S("Edit4"))->setText(S(row.right));
        child<QLineEdit>(&dialog, S("Edit5"))->setText(S(row.bottom));
        click(child<QPushButton>(&dialog, S("Button1")));
        const QString trace = QStringLiteral("%1 %2,%3-%4,%5")
                                  .arg(S(row.file), S(row.left), S(row.top), S(row.right), S(row.bottom));
        EXPECT_EQ(dialog.confirmed(), row.confirmed) << trace.toStdString();
        EXPECT_EQ(dialog.isVisible(), !row.confirmed) << trace.toStdString();
        EXPECT_EQ(prompts.errors.join(QString()), S(row.error)) << trace.toStdString();
        if (row.confirmed) {
            EXPECT_EQ(dialog.fileName(), S(row.file));
            EXPECT_EQ(
                QStringLiteral("%1 %2 %3 %4")
                    .arg(dialog.left())
                    .arg(dialog.top())
                    .arg(dialog.right())
                    .arg(dialog.bottom()),
                QStringLiteral("%1 %2 %3 %4").arg(S(row.left), S(row.top), S(row.right), S(row.bottom)));
        }
    }
}

TEST(ExcelImportDialog, BrowseAsksForAWorkbookAndCancelLeavesTheFlagDown)
{
    ScriptedPrompts prompts;
    prompts.fileNames.push_back(S("/data/导入.xlsx"));
    ExcelImportDialog dialog(prompts);
    dialog.show();
    click(child<QPushButton>(&dialog, S("Button3")));
    EXPECT_EQ(prompts.asked, QStringList{S("openFileName Excel文件|*.xlsx|所有文件|*.*")});
    EXPECT_EQ(dialog.fileName(), S("/data/导入.xlsx"));
    click(child<QPushButton>(&dialog, S("Button2")));
    EXPECT_FALSE(dialog.confirmed());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(HostDialogs, OpenAtTheirDesignedSizeWhenTheCallerFitsThemToTheirContents)
{
    RecordingCellvex fake;
    HostState state;
    ScriptedPrompts prompts;
    AliasDialog alias(&fake, state, prompts);
    FindDialog find(&fake, prompts);
    ReplaceDialog replace(&fake, prompts);
    NumberDialog number;
    ExcelExportDialog exportDialog(prompts);
    ExcelImportDialog importDialog(prompts);
    const std::pair<QDialog *, QSize> rows[] = {
        {&alias, {401, 312}},  {&find, {357, 203}},         {&replace, {361, 199}},
        {&number, {201, 103}}, {&exportDialog, {386, 160}}, {&importDialog, {386, 160}},
    };
    for (const auto &[dialog, size] : rows) {
        dialog->adjustSize();
        dialog->show();
        EXPECT_EQ(dialog->size(), size) << dialog->objectName().toStdString();
    }
    EXPECT_EQ(find.minimumSize(), find.maximumSize()) << "fixed border";
    EXPECT_NE(replace.minimumSize(), replace.maximumSize()) << "resizable";
}
