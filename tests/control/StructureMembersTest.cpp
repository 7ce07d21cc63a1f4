#include "ControlFixture.h"
#include "MemberCalls.h"
#include "control/CellvexObject.h"
#include "rulers/RulerModel.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

using namespace cellvex;
using namespace cellvex::automation;

namespace {

// The selection, scroll and cell-change events as lines.
const std::string_view kFollowed[] = {"OnInputChange", "OnSelectChange", "OnLeftChange", "OnCellChanged",
                                      "OnError"};

// A shown control with a 6 x 8 report, marked saved, events recorded.
struct StructureMembers : ::testing::Test, test::ControlFixture
{
    StructureMembers() : ControlFixture(kFollowed) {}

    void SetUp() override
    {
        show();
        ASSERT_EQ(o->NewReport(6, 8), S_OK);
        for (int col = 1; col <= 6; ++col)
            ASSERT_EQ(o->SetCellValue(col, 1, QStringLiteral("c%1").arg(col)), S_OK);
        ASSERT_EQ(o->put_Saved(true), S_OK);
        sink.log.clear();
    }
    std::vector<int> selected()
    {
        std::int32_t a = 0, b = 0, d = 0, e = 0, ic = 0, ir = 0;
        EXPECT_EQ(o->GetSelectedCell(&a, &b, &d, &e), S_OK);
        EXPECT_EQ(o->GetInputingCell(&ic, &ir), S_OK);
        return {a, b, d, e, ic, ir};
    }
    std::vector<int> mergeRange(int col, int row)
    {
        std::int32_t type = 99, c1 = col, r1 = row, c2 = 0, r2 = 0;
        EXPECT_EQ(o->GetMergeRange(&type, &c1, &r1, &c2, &r2), S_OK);
        return {type, c1, r1, c2, r2};
    }
    using Log = std::vector<QString>;
};

TEST_F(StructureMembers, InsertColMovesTheSelectionAndRaisesBothEvents)
{
    select(2, 1, 3, 2);
    ASSERT_EQ(o->InsertCol(1, 1), S_OK);
    EXPECT_EQ(m().ColCount(), 7);
    EXPECT_EQ(value(1, 1), QString());
    EXPECT_EQ(value(2, 1), QStringLiteral("c1"));
    EXPECT_EQ(selected(), (std::vector<int>{3, 1, 4, 2, 3, 1}));
    EXPECT_EQ(sink.log, (Log{"input 3,1", "select 3,1,4,2"}));
    EXPECT_FALSE(saved());
    // The rulers highlight the moved selection.
    EXPECT_TRUE(c().report().colRuler().isSelected(2));
    EXPECT_TRUE(c().report().colRuler().isSelected(3));
    EXPECT_FALSE(c().report().colRuler().isSelected(1));
}

TEST_F(StructureMembers, AppendingLeavesTheSelectionAloneAndCutsPagesAgain)
{
    select(1, 1, 2, 2);
    ASSERT_EQ(o->InsertCol(7, 2), S_OK); // one past the last appends
    ASSERT_EQ(o->AppendCol(1), S_OK);
    ASSERT_EQ(o->AppendRow(3), S_OK);
    EXPECT_EQ(m().ColCount(), 9);
    EXPECT_EQ(m().RowCount(), 11);
    EXPECT_EQ(m().GetColWidth(9), 80);
    EXPECT_EQ(m().GetRowHeight(11), 19);
    EXPECT_TRUE(sink.log.empty());
    EXPECT_EQ(c().actions().pagination().colPageStarts().back(), 9);
    EXPECT_EQ(selected(), (std::vector<int>{1, 1, 2, 2, 1, 1}));
}

TEST_F(StructureMembers, RefusedCountsAndIndexesSucceedAndChangeNothing)
{
    const std::pair<int, int> refused[] = {{0, 1}, {10, 1}, {1, 0}, {1, -3}, {INT_MIN, 1}, {INT_MAX, 1}};
    for (const auto &[index, count] : refused) {
        EXPECT_EQ(o->InsertCol(index, count), S_OK);
        EXPECT_EQ(o->InsertRow(index, count), S_OK);
    }
    EXPECT_EQ(o->AppendCol(0), S_OK);
    EXPECT_EQ(o->AppendRow(-1), S_OK);
    EXPECT_EQ(o->DeleteCol(1, 6), S_OK); // every column
    EXPECT_EQ(o->DeleteCol(2, 1), S_OK);
    EXPECT_EQ(o->DeleteRow(0, 1), S_OK);
    EXPECT_EQ(o->DeleteRow(INT_MIN, INT_MAX), S_OK);
    EXPECT_EQ(m().ColCount(), 6);
    EXPECT_EQ(m().RowCount(), 8);
    EXPECT_TRUE(saved());
    EXPECT_TRUE(sink.log.empty());
}

TEST_F(StructureMembers, GrowthBeyondThePixelExtentFailsWithAMessage)
{
    EXPECT_NE(o->AppendRow(INT_MAX), S_OK);
    EXPECT_FALSE(o->errorInfo().description().isEmpty());
    EXPECT_NE(o->InsertCol(1, 30000000), S_OK);
    EXPECT_EQ(m().ColCount(), 6);
    EXPECT_EQ(m().RowCount(), 8);
    EXPECT_TRUE(saved());
}

TEST_F(StructureMembers, ReportsBeyondTheCellLimitFailBeforeAnythingChanges)
{
    ASSERT_EQ(o->NewReport(20, 8), S_OK);
    ASSERT_EQ(o->SetCellValue(3, 1, QStringLiteral("kept")), S_OK);
    ASSERT_EQ(o->put_Saved(true), S_OK);
    sink.log.clear();
    // Each request fits the pixel extent but not the cell count, whatever
    // the machine's memory: it must be refused with the size in its message
    // before a cell is allocated.
    struct Case
    {
        const char *what;
        std::function<HResult()> call;
        const char *size;
    };
    const Case cases[] = {
        {"NewReport", [&] { return o->NewReport(100000, 100000); }, "100000 列 100000 行"},
        {"AppendRow", [&] { return o->AppendRow(100000000); }, "20 列 100000008 行"},
        {"InsertRow", [&] { return o->InsertRow(2, 100000000); }, "20 列 100000008 行"},
    };
    for (const Case &c : cases) {
        EXPECT_NE(c.call(), S_OK) << c.what;
        EXPECT_TRUE(o->errorInfo().description().contains(QString::fromUtf8(c.size)))
            << c.what << ": " << o->errorInfo().description().toStdString();
    }
    EXPECT_EQ(m().ColCount(), 20);
    EXPECT_EQ(m().RowCount(), 8);
    EXPECT_EQ(value(3, 1), QStringLiteral("kept"));
    EXPECT_TRUE(saved());
    EXPECT_TRUE(sink.log.empty());
}

TEST_F(StructureMembers, DeletingTheSelectedColumnsClearsTheSelection)
{
    select(2, 3, 3, 3);
    ASSERT_EQ(o->DeleteCol(2, 4), S_OK);
    EXPECT_EQ(m().ColCount(), 3);
    EXPECT_EQ(value(2, 1), QStringLiteral("c5"));
    EXPECT_EQ(selected(), (std::vector<int>{-1, -1, -1, -1, 0, 0}));
    EXPECT_EQ(sink.log, (Log{"input -1,-1", "select -1,-1,-1,-1"}));
    EXPECT_FALSE(saved());

    // A deletion after the selection raises nothing.
    select(1, 1, 1, 1);
    ASSERT_EQ(o->DeleteRow(5, 8), S_OK);
    EXPECT_EQ(m().RowCount(), 4);
    EXPECT_TRUE(sink.log.empty());
}

TEST_F(StructureMembers, DeletingColumnsScrollsBackToShowTheLastOnes)
{
    ASSERT_EQ(o->NewReport(30, 5), S_OK);
    ASSERT_EQ(o->put_LeftIndex(20), S_OK);
    sink.log.clear();
    ASSERT_EQ(o->DeleteCol(10, 25), S_OK);
    const RulerModel &ruler = c().report().colRuler();
    std::int32_t left = 0;
    ASSERT_EQ(o->get_LeftIndex(&left), S_OK);
    EXPECT_EQ(left, m().ColCount() - ruler.lastCount() + 1);
    EXPECT_EQ(ruler.scrollOffset(), ruler.poleEdge(left - 1));
    EXPECT_EQ(sink.log, (Log{QString("left %1").arg(left)}));
}

TEST_F(StructureMembers, MergeAndSplit)
{
    select(6, 8, 6, 8);
    ASSERT_EQ(o->MergeCell(2, 1, 4, 2), S_OK);
    EXPECT_EQ(mergeRange(3, 2), (std::vector<int>{2, 2, 1, 4, 2}));
    EXPECT_EQ(mergeRange(2, 1), (std::vector<int>{1, 2, 1, 4, 2}));
    EXPECT_EQ(selected(), (std::vector<int>{2, 1, 4, 2, 2, 1}));
    EXPECT_EQ(sink.log, (Log{"input 2,1", "select 2,1,4,2"}));
    EXPECT_FALSE(saved());

    // A rectangle that cuts the block: nothing, no event, still saved.
    ASSERT_EQ(o->put_Saved(true), S_OK);
    sink.log.clear();
    ASSERT_EQ(o->MergeCell(1, 1, 3, 3), S_OK);
    ASSERT_EQ(o->SplitCell(3, 1, 4, 2), S_OK);
    EXPECT_EQ(mergeRange(2, 1)[0], 1);
    EXPECT_EQ(selected(), (std::vector<int>{2, 1, 4, 2, 2, 1}));
    EXPECT_TRUE(sink.log.empty());
    EXPECT_TRUE(saved());

    // Splitting the same rectangle changes neither the selection nor the input cell: no event.
    ASSERT_EQ(o->SplitCell(2, 1, 4, 2), S_OK);
    EXPECT_EQ(mergeRange(3, 2), (std::vector<int>{0, 3, 2, 3, 2}));
    EXPECT_EQ(value(3, 1), QStringLiteral("c3"));
    EXPECT_TRUE(sink.log.empty());
    EXPECT_FALSE(saved());
}

TEST_F(StructureMembers, GetMergeRangeOutsideTheGridKeepsTheCoordinates)
{
    EXPECT_EQ(mergeRange(7, 1), (std::vector<int>{-1, 7, 1, 0, 0}));
    EXPECT_EQ(mergeRange(0, 0), (std::vector<int>{-1, 0, 0, 0, 0}));
    EXPECT_EQ(mergeRange(1, 1), (std::vector<int>{0, 1, 1, 1, 1}));
}

TEST_F(StructureMembers, FillCopiesThroughTheValuePathAndMarksTheReportChanged)
{
    select(1, 1, 4, 2);
    ASSERT_EQ(o->FillCell(1), S_OK);
    EXPECT_EQ(value(4, 1), QStringLiteral("c1"));
    EXPECT_EQ(value(2, 2), QString()); // the input column's empty cell copied into empty cells: no change
    EXPECT_EQ(sink.log, (Log{"changed 2,1=c1", "changed 3,1=c1", "changed 4,1=c1"}));
    EXPECT_FALSE(saved());
    ASSERT_EQ(o->put_Saved(true), S_OK);
    sink.log.clear();
    ASSERT_EQ(o->FillCell(2), S_OK); // nothing left of the input column
    EXPECT_TRUE(sink.log.empty());
}

TEST_F(StructureMembers, FindMovesTheInputCellAndReplaceChangesTexts)
{
    bool found = false;
    ASSERT_EQ(o->FindCellsString(false, false, false, false, false, QStringLiteral("C4"), &found), S_OK);
    EXPECT_TRUE(found);
    EXPECT_EQ(selected(), (std::vector<int>{4, 1, 4, 1, 4, 1}));
    EXPECT_EQ(sink.log, (Log{"input 4,1", "select 4,1,4,1"}));
    sink.log.clear();
    ASSERT_EQ(o->FindCellsString(false, false, false, true, false, QStringLiteral("C5"), &found), S_OK);
    EXPECT_FALSE(found);
    ASSERT_EQ(o->FindCellsString(false, false, false, false, false, QString(), &found), S_OK);
    EXPECT_FALSE(found);
    EXPECT_TRUE(sink.log.empty());
    EXPECT_TRUE(saved());

    ASSERT_EQ(o->ReplaceCellsString(true, false, false, QStringLiteral("C"), QStringLiteral("k")), S_OK);
    EXPECT_EQ(value(4, 1), QStringLiteral("k4"));
    EXPECT_EQ(value(5, 1), QStringLiteral("c5")); // outside the selection
    EXPECT_EQ(sink.log, (Log{"changed 4,1=k4"}));
    EXPECT_FALSE(saved());
    EXPECT_EQ(selected(), (std::vector<int>{4, 1, 4, 1, 4, 1}));
}

TEST_F(StructureMembers, HostReshapingTheReportInAnEventStopsTheRest)
{
    // The host deletes a column while InsertCol reports the new input cell:
    // the selection event that would follow describes a report that changed
    // under it and is not raised.
    select(2, 1, 2, 1);
    sink.onInput = [this] {
        sink.onInput = nullptr;
        EXPECT_EQ(o->DeleteCol(6, 6), S_OK);
    };
    ASSERT_EQ(o->InsertCol(1, 1), S_OK);
    EXPECT_EQ(m().ColCount(), 6);
    EXPECT_EQ(sink.log, (Log{"input 3,1"}));
}

} // namespace
