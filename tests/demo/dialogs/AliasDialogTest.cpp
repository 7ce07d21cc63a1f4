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
