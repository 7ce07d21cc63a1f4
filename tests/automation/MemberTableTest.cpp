#include "automation/MemberTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace cellvex::automation {
namespace {

const MemberRow *findRow(std::string_view name, MemberKind kind)
{
    for (const MemberRow &row : memberTable()) {
        if (row.name == name && row.kind == kind)
            return &row;
    }
    return nullptr;
}

bool takesCellArgument(const MemberRow &row)
{
    const std::span<const ArgInfo> args = row.args();
    return std::any_of(args.begin(), args.end(), [](const ArgInfo &arg) {
        return arg.direction == Direction::In &&
               (arg.name == "aCol" || arg.name == "aRow" || arg.name == "Alias");
    });
}

TEST(MemberTable, HoldsEverySlotFromSevenOnOnce)
{
    const std::span<const MemberRow> table = memberTable();
    ASSERT_EQ(table.size(), 219u);
    for (std::size_t i = 0; i < table.size(); ++i)
        EXPECT_EQ(table[i].slot, kFirstMemberSlot + static_cast<int>(i)) << table[i].name;
    EXPECT_EQ(table.back().slot, 225);
}

TEST(MemberTable, NameAndKindIdentifyOneRow)
{
    std::set<std::pair<std::string_view, MemberKind>> seen;
    for (const MemberRow &row : memberTable())
        EXPECT_TRUE(seen.insert({row.name, row.kind}).second) << row.name;
}

TEST(MemberTable, AccessorsOfOnePropertyShareOneDispatchId)
{
    // ... and no two names share an id, so an id names one member.
    std::map<std::string_view, DispId> idOfName;
    std::map<DispId, std::string_view> nameOfId;
    for (const MemberRow &row : memberTable()) {
        const auto [byName, newName] = idOfName.emplace(row.name, row.dispId);
        EXPECT_EQ(byName->second, row.dispId) << row.name;
        const auto [byId, newId] = nameOfId.emplace(row.dispId, row.name);
        EXPECT_EQ(byId->second, row.name) << row.dispId;
    }
}

TEST(MemberTable, AccessorsHaveTheShapeOfTheirKind)
{
    for (const MemberRow &row : memberTable()) {
        SCOPED_TRACE(std::string(row.name));
        switch (row.kind) {
        case MemberKind::PropGet:
            EXPECT_TRUE(row.hasResult());
            EXPECT_EQ(row.args().size(), 0u);
            break;
        case MemberKind::PropPut:
        case MemberKind::PropPutRef:
            EXPECT_FALSE(row.hasResult());
            ASSERT_EQ(row.args().size(), 1u);
            EXPECT_EQ(row.args()[0].direction, Direction::In);
            break;
        case MemberKind::Method:
            break;
        }
    }
}

TEST(MemberTable, PutOfAPropertyTakesTheTypeItsGetReturns)
{
    for (const MemberRow &row : memberTable()) {
        if (row.kind != MemberKind::PropPut)
            continue;
        if (const MemberRow *get = findRow(row.name, MemberKind::PropGet)) {
            EXPECT_EQ(row.args()[0].type, get->result) << row.name;
        }
    }
}

struct ListedRow
{
    int slot;
    DispId dispId;
    std::string_view name;
    MemberKind kind;
    std::size_t argCount;
    ArgType result;
    InputCommit commit;
};

// Rows that are easy to get wrong: the standard negative ids, the one put
// without a get, the font's three accessors, the misspelt name, the widest
// argument list, the first and the last slot.
const ListedRow kListedRows[] = {
    {7, 1, "Visible", MemberKind::PropGet, 0, ArgType::Boolean, InputCommit::Keeps},
    {15, -518, "Caption", MemberKind::PropGet, 0, ArgType::String, InputCommit::Keeps},
    {18, -501, "Color", MemberKind::PropPut, 1, ArgType::Void, InputCommit::Keeps},
    {19, -512, "Font", MemberKind::PropGet, 0, ArgType::Font, InputCommit::Keeps},
    {21, -512, "Font", MemberKind::PropPutRef, 1, ArgType::Void, InputCommit::Keeps},
    {40, -514, "Enabled", MemberKind::PropPut, 1, ArgType::Void, InputCommit::Keeps},
    {90, 77, "NewReport", MemberKind::Method, 2, ArgType::Void, InputCommit::Keeps},
    {103, 82, "SetCellValue", MemberKind::Method, 3, ArgType::Void, InputCommit::Commits},
    {109, 90, "GetCellValue", MemberKind::Method, 2, ArgType::String, InputCommit::Commits},
    {124, 105, "ClearChartSereisByAlias", MemberKind::Method, 1, ArgType::Void, InputCommit::Keeps},
    {140, 123, "Saved", MemberKind::PropPut, 1, ArgType::Void, InputCommit::Keeps},
    {152, 135, "ReadOnly", MemberKind::PropPut, 1, ArgType::Void, InputCommit::Commits},
    {168, 53, "GetInputingCell", MemberKind::Method, 2, ArgType::Void, InputCommit::Keeps},
    {175, 114, "FindCellsString", MemberKind::Method, 6, ArgType::Boolean, InputCommit::Commits},
    {187, 153, "TransText", MemberKind::Method, 7, ArgType::String, InputCommit::Commits},
    {225, 172, "PageBottomMargin", MemberKind::PropPut, 1, ArgType::Void, InputCommit::Keeps},
};

TEST(MemberTable, MatchesTheListing)
{
    for (const ListedRow &listed : kListedRows) {
        SCOPED_TRACE(std::string(listed.name));
        const MemberRow &row = memberTable()[static_cast<std::size_t>(listed.slot - kFirstMemberSlot)];
        EXPECT_EQ(row.dispId, listed.dispId);
        EXPECT_EQ(row.name, listed.name);
        EXPECT_EQ(row.kind, listed.kind);
        EXPECT_EQ(row.args().size(), listed.argCount);
        EXPECT_EQ(row.result, listed.result);
        EXPECT_EQ(row.commit, listed.commit);
    }
}

bool startsWithCell(std::span<const ArgInfo> args)
{
    return args.size() >= 2 && args[0].name == "aCol" && args[1].name == "aRow" &&
           args[0].direction == Direction::In && args[1].direction == Direction::In;
}

TEST(MemberTable, TargetsAgreeWithTheArguments)
{
    // The boundary finds a member's cell from its target alone: a Cell row
    // must start with the coordinates, an alias row with the alias, and the
    // twin an alias row runs as must take the same arguments after them.
    const std::span<const MemberRow> table = memberTable();
    for (const MemberRow &row : table) {
        SCOPED_TRACE(std::string(row.name));
        const std::span<const ArgInfo> args = row.args();
        EXPECT_EQ(row.takesCell(), startsWithCell(args));
        if (!row.takesAlias()) {
            EXPECT_EQ(row.twin, -1);
            continue;
        }
        ASSERT_FALSE(args.empty());
        EXPECT_EQ(args[0].name, "Alias");
        EXPECT_EQ(args[0].type, ArgType::String);
        ASSERT_GE(row.twin, 0);
        const MemberRow &twin = table[static_cast<std::size_t>(row.twin)];
        EXPECT_EQ(std::string(twin.name) + "ByAlias", row.name);
        EXPECT_EQ(twin.kind, row.kind);
        EXPECT_EQ(twin.result, row.result);
        EXPECT_EQ(twin.empty, row.empty);
        EXPECT_EQ(twin.commit, row.commit);
        EXPECT_TRUE(twin.takesCell());
        ASSERT_EQ(twin.args().size(), args.size() + 1);
        for (std::size_t k = 1; k < args.size(); ++k) {
            EXPECT_EQ(twin.args()[k + 1].name, args[k].name);
            EXPECT_EQ(twin.args()[k + 1].type, args[k].type);
            EXPECT_EQ(twin.args()[k + 1].direction, args[k].direction);
        }
    }
}

TEST(MemberTable, OnlyTheseTakeAnAliasTheBoundaryLeavesAlone)
{
    // Each handles the alias itself, or (the misspelt one) has no twin to
    // run as; any other row that starts with an alias must be resolved.
    const std::set<std::string_view> own = {"DeleteAlias", "GetCellReferenceByAlias",
                                            "ClearChartSereisByAlias"};
    for (const MemberRow &row : memberTable()) {
        const bool startsWithAlias = !row.args().empty() && row.args()[0].name == "Alias";
        if (startsWithAlias) {
            EXPECT_EQ(!row.takesAlias(), own.count(row.name) == 1) << row.name;
        }
    }
}

TEST(MemberTable, ReadOnlyHasAPutAndNoGet)
{
    EXPECT_NE(findRow("ReadOnly", MemberKind::PropPut), nullptr);
    EXPECT_EQ(findRow("ReadOnly", MemberKind::PropGet), nullptr);
}

TEST(MemberTable, OutArgumentsArePassedByReferenceInTheirListedOrder)
{
    const MemberRow *merge = findRow("GetMergeRange", MemberKind::Method);
    ASSERT_NE(merge, nullptr);
    const Direction expected[] = {Direction::Out, Direction::InOut, Direction::InOut, Direction::Out,
                                  Direction::Out};
    ASSERT_EQ(merge->args().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i)
        EXPECT_EQ(merge->args()[i].direction, expected[i]) << merge->args()[i].name;
}

TEST(MemberTable, OnlyTheWindowPropertiesAreHidden)
{
    const std::set<std::string_view> hidden = {"Visible",
                                               "Active",
                                               "DropTarget",
                                               "HelpFile",
                                               "DoubleBuffered",
                                               "AlignDisabled",
                                               "VisibleDockClientCount",
                                               "Enabled"};
    for (const MemberRow &row : memberTable())
        EXPECT_EQ(row.hidden(), hidden.count(row.name) == 1) << row.name;
}

TEST(MemberTable, EveryCellGetterKnowsItsEmptyValue)
{
    // A getter that names a cell must answer something for a missing cell;
    // members without a cell argument have no such value.
    for (const MemberRow &row : memberTable()) {
        SCOPED_TRACE(std::string(row.name));
        if (row.kind == MemberKind::Method && row.hasResult() && takesCellArgument(row)) {
            EXPECT_NE(row.empty, EmptyValue::NotApplicable);
        }
        // The exports take a range and answer empty text for one outside the grid.
        if (!takesCellArgument(row) && row.name != "TransHtml" && row.name != "TransText") {
            EXPECT_EQ(row.empty, EmptyValue::NotApplicable);
        }
    }
}

struct ListedEmpty
{
    std::string_view name;
    EmptyValue empty;
};

const ListedEmpty kListedEmpties[] = {
    {"GetCellValue", EmptyValue::EmptyText},     {"GetFontSize", EmptyValue::Zero},
    {"GetFontStyleBold", EmptyValue::BoolFalse}, {"GetLabelHAlignment", EmptyValue::MinusOne},
    {"GetCellBorders", EmptyValue::MinusOne},    {"GetAppendRange", EmptyValue::MinusOne},
    {"GetCellType", EmptyValue::MinusOne},       {"GetCellTextLength", EmptyValue::Zero},
    {"GetCellReadOnly", EmptyValue::BoolFalse},  {"GetColWidth", EmptyValue::MinusOne},
    {"GetRowHeight", EmptyValue::MinusOne},      {"GetCellBackColor", EmptyValue::Zero},
};

TEST(MemberTable, GettersAnswerTheirListedEmptyValue)
{
    for (const ListedEmpty &listed : kListedEmpties) {
        const MemberRow *row = findRow(listed.name, MemberKind::Method);
        ASSERT_NE(row, nullptr) << listed.name;
        EXPECT_EQ(row->empty, listed.empty) << listed.name;
    }
}

TEST(MemberTable, OutArgumentsThatLocateACellAreMinusOneWhenMissing)
{
    const MemberRow *reference = findRow("GetCellReferenceByAlias", MemberKind::Method);
    const MemberRow *format = findRow("GetCellFormat", MemberKind::Method);
    ASSERT_NE(reference, nullptr);
    ASSERT_NE(format, nullptr);
    EXPECT_EQ(reference->args()[1].empty, EmptyValue::MinusOne);
    EXPECT_EQ(reference->args()[2].empty, EmptyValue::MinusOne);
    EXPECT_EQ(format->args()[2].empty, EmptyValue::MinusOne); // FormatType
    EXPECT_EQ(format->args()[3].empty, EmptyValue::EmptyText);
}

} // namespace
} // namespace cellvex::automation
