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

// A control that keeps aliases the way the control does: one per cell,
// listed by column, then row; an empty alias removes the cell's.
struct AliasControl
{
    RecordingCellvex fake;
    std::map<std::pair<int, int>, QString> aliases;

    AliasControl()
    {
        fake.on(S("SetCellAlias"), [this](const std::vector<Variant> &in, std::vector<Variant> &) {
            const std::pair<int, int> cell{in[0].asLong(), in[1].asLong()};
            if (in[2].asString().isEmpty())
                aliases.erase(cell);
            else
                aliases[cell] = in[2].asString();
            return automation::S_OK;
        });
        fake.on(S("DeleteAlias"), [this](const std::vector<Variant> &in, std::vector<Variant> &) {
            std::erase_if(aliases, [&](const auto &entry) { return entry.second == in[0].asString(); });
            return automation::S_OK;
        });
        fake.on(S("GetAllAlias"), [this](const std::vector<Variant> &, std::vector<Variant> &out) {
            QString text;
            for (const auto &[cell, alias] : aliases)
                text += QStringLiteral("%1\r\n%2\r\n%3\r\n").arg(cell.first).arg(cell.second).arg(alias);
            out.back() = Variant::fromString(text);
            return automation::S_OK;
        });
        fake.on(S("GetCellAlias"), [this](const std::vector<Variant> &in, std::vector<Variant> &out) {
            const auto it = aliases.find({in[0].asLong(), in[1].asLong()});
            out.back() = Variant::fromString(it == aliases.end() ? QString() : it->second);
            return automation::S_OK;
        });
    }
};

QStringList listedRows(AliasDialog &dialog)
{
    auto *list = child<QTreeWidget>(&dialog, S("ListView1"));
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = list->topLevelItem(i);
        rows << QStringLiteral("%1|%2|%3|%4").arg(item->text(0), item->text(1), item->text(2), item->text(3));
    }
    return rows;
}

} // namespace

TEST(AliasDialog, ListsTheControlsAliasesInItsOrderIgnoringAnIncompleteGroup)
{
    struct Row
    {
        const char *allAlias;
        QStringList rows;
    };
    const Row rows[] = {
        {"", {}},
        {"2\r\n3\r\n甲\r\n4\r\n1\r\n乙\r\n", {S("|2|3|甲"), S("|4|1|乙")}},
        {"2\r\n3\r\n甲\r\n4\r\n", {S("|2|3|甲")}},
        {"7\n8\nz", {S("|7|8|z")}},
    };
    for (const Row &row : rows) {
        RecordingCellvex fake;
        fake.returns(S("GetAllAlias"), Variant::fromString(S(row.allAlias)));
        HostState state;
        ScriptedPrompts prompts;
        AliasDialog dialog(&fake, state, prompts);
        EXPECT_EQ(listedRows(dialog), row.rows) << row.allAlias;
        EXPECT_EQ(fake.calls(), QStringList{S("GetAllAlias()")});
    }
}

TEST(AliasDialog, ButtonsMakeTheirCallsThenRefreshTheList)
{
    struct Row
    {
        const char *what;
        std::map<QString, QString> fields;
        const char *button;
        QStringList calls;
        QStringList listed;
        QStringList errors;
    };
    const Row rows[] = {
        {"add",
         {{S("Edit1"), S("3")}, {S("Edit2"), S("5")}, {S("Edit3"), S("合计")}},
         "Button1",
         {S("SetCellAlias(3, 5, \"合计\")"), S("GetAllAlias()")},
         {S("|2|3|甲"), S("|3|5|合计"), S("|4|1|乙")},
         {}},
        {"delete by position",
         {{S("Edit4"), S("4")}, {S("Edit5"), S("1")}},
         "Button3",
         {S("SetCellAlias(4, 1, \"\")"), S("GetAllAlias()")},
         {S("|2|3|甲")},
         {}},
        {"delete by position, cell without alias",
         {{S("Edit4"), S("9")}, {S("Edit5"), S("9")}},
         "Button3",
         {S("SetCellAlias(9, 9, \"\")"), S("GetAllAlias()")},
         {S("|2|3|甲"), S("|4|1|乙")},
         {}},
        {"delete by alias",
         {{S("Edit6"), S("甲")}},
         "Button4",
         {S("DeleteAlias(\"甲\")"), S("GetAllAlias()")},
         {S("|4|1|乙")},
         {}},
        {"column not a number",
         {{S("Edit1"), S("x")}, {S("Edit2"), S("5")}, {S("Edit3"), S("a")}},
         "Button1",
         {S("GetAllAlias()")},
         {S("|2|3|甲"), S("|4|1|乙")},
         {S("“x”不是有效的整数值")}},
        {"row not a number",
         {{S("Edit4"), S("1")}, {S("Edit5"), S("")}},
         "Button3",
         {S("GetAllAlias()")},
         {S("|2|3|甲"), S("|4|1|乙")},
         {S("“”不是有效的整数值")}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        AliasControl control;
        control.aliases = {{{2, 3}, S("甲")}, {{4, 1}, S("乙")}};
        HostState state;
        ScriptedPrompts prompts;
        AliasDialog dialog(&control.fake, state, prompts);
        dialog.show();
        for (const auto &[name, text] : row.fields)
            retype(child<QLineEdit>(&dialog, name), text);
        control.fake.clearCalls();
        click(child<QPushButton>(&dialog, S(row.button)));
        EXPECT_EQ(control.fake.calls(), row.calls);
        EXPECT_EQ(listedRows(dialog), row.listed);
        EXPECT_EQ(prompts.errors, row.errors);
    }
}

TEST(AliasDialog, DeleteSelectionRemovesEveryListedAliasNotOnlyTheSelectedRow)
{
    AliasControl control;
    control.aliases = {{{1, 1}, S("a")}, {{1, 2}, S("b")}, {{3, 1}, S("c")}};
    HostState state;
    ScriptedPrompts prompts;
    AliasDialog dialog(&control.fake, state, prompts);
    dialog.show();
    auto *list = child<QTreeWidget>(&dialog, S("ListView1"));
    list->setCurrentItem(list->topLevelItem(1));
    control.fake.clearCalls();

    click(child<QPushButton>(&dialog, S("Button2")));

    EXPECT_EQ(control.fake.calls(), (QStringList{S("DeleteAlias(\"a\")"), S("DeleteAlias(\"b\")"),
                                                 S("DeleteAlias(\"c\")"), S("GetAllAlias()")}));
    EXPECT_TRUE(listedRows(dialog).isEmpty());
}

TEST(AliasDialog, AFailedCallIsShownAndTheListStillFollowsTheControl)
{
    AliasControl control;
    control.aliases = {{{1, 1}, S("a")}};
    control.fake.fails(S("SetCellAlias"), S("SetCellAlias 尚未实现"));
    HostState state;
    ScriptedPrompts prompts;
    AliasDialog dialog(&control.fake, state, prompts);
    dialog.show();
    retype(child<QLineEdit>(&dialog, S("Edit1")), S("2"));
    retype(child<QLineEdit>(&dialog, S("Edit2")), S("2"));
    click(child<QPushButton>(&dialog, S("Button1")));
    EXPECT_EQ(prompts.errors, QStringList{S("SetCellAlias 尚未实现")});
    EXPECT_EQ(listedRows(dialog), QStringList{S("|1|1|a")});
}

TEST(AliasDialog, ShowingFillsFromTheInputCellOnlyWhenThereIsOne)
{
    struct Row
    {
        std::int16_t col, row;
        bool filled;
    };
    const Row rows[] = {{2, 3, true}, {0, 0, true}, {-1, -1, false}, {4, -1, false}};
    for (const Row &row : rows) {
        AliasControl control;
        control.aliases = {{{2, 3}, S("甲")}};
        HostState state;
        state.inputCol = row.col;
        state.inputRow = row.row;
        ScriptedPrompts prompts;
        AliasDialog dialog(&control.fake, state, prompts);
        control.fake.clearCalls();
        dialog.show();
        const QString col = row.filled ? QString::number(row.col) : QString();
        const QString line = row.filled ? QString::number(row.row) : QString();
        const QString alias = row.col == 2 && row.row == 3 ? S("甲") : QString();
        EXPECT_EQ(control.fake.calls(),
                  row.filled ? QStringList{QStringLiteral("GetCellAlias(%1, %2)").arg(row.col).arg(row.row)}
                             : QStringList{});
        const std::pair<const char *, QString> expected[] = {{"Edit1", col},   {"Edit2", line},
                                                             {"Edit3", alias}, {"Edit4", col},
                                                             {"Edit5", line},  {"Edit6", alias}};
        for (const auto &[name, text] : expected)
            EXPECT_EQ(child<QLineEdit>(&dialog, S(name))->text(), text)
                << name << " at " << row.col << "," << row.row;
    }
}

TEST(AliasDialog, InputChangesFillAllSectionsAndClosingFreesTheDialog)
{
    AliasControl control;
    control.aliases = {{{5, 6}, S("小计")}};
    HostState state;
    state.inputCol = -1;
    state.inputRow = -1;
    ScriptedPrompts prompts;
    QPointer<AliasDialog> dialog = new AliasDialog(&control.fake, state, prompts);
    dialog->show();
    dialog->fillFromInputCell(5, 6);
    EXPECT_EQ(child<QLineEdit>(dialog, S("Edit3"))->text(), S("小计"));
    EXPECT_EQ(child<QLineEdit>(dialog, S("Edit6"))->text(), S("小计"));
    EXPECT_EQ(child<QLineEdit>(dialog, S("Edit4"))->text(), S("5"));
    EXPECT_EQ(child<QLineEdit>(dialog, S("Edit5"))->text(), S("6"));
    auto *close = child<QPushButton>(dialog, S("Button5"));
    EXPECT_TRUE(close->isDefault());
    click(close);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
}

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
