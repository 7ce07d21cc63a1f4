#include "PoleFixture.h"

#include "common/Geometry.h"
#include "grid/structure/PoleEdits.h"

using namespace cellvex;
using namespace cellvex::test;

namespace {

class LineInsert : public LineFixture
{
};

TEST_P(LineInsert, NewLinesAreDefaultAndOldCellsMoveWithTheirContent)
{
    build(5, 3);
    cellAt(1, 2)->storeAlias(QStringLiteral("Total"));
    cellAt(1, 2)->setExpressionText(QStringLiteral("A1+B1"));
    const StructureOutcome out = insertPoles(r, o, 1, 2);
    EXPECT_TRUE(out.acted);
    EXPECT_EQ(axis.poleCount(r), 7);
    EXPECT_EQ(consistency(r), QString());
    for (int cross = 0; cross < 3; ++cross) {
        EXPECT_EQ(caption(0, cross), originally(0, cross));
        EXPECT_EQ(caption(1, cross), QString());
        EXPECT_EQ(caption(2, cross), QString());
        EXPECT_EQ(caption(3, cross), originally(1, cross));
        EXPECT_EQ(caption(6, cross), originally(4, cross));
    }
    // Content travels with its cell; texts naming cells are not rewritten.
    EXPECT_EQ(cellAt(3, 2)->aliasName(), QStringLiteral("Total"));
    EXPECT_EQ(cellAt(3, 2)->expressionText(), QStringLiteral("A1+B1"));
    for (int line = 0; line < 7; ++line)
        EXPECT_EQ(ruler().panelRange(line), range()) << line;
    EXPECT_FALSE(r.saved());
}

TEST_P(LineInsert, InsertingAtTheEndAppendsAndLeavesTheSelectionAlone)
{
    build(6, 4);
    select(1, 0, 2, 1, 1, 0);
    StructureOutcome out = insertPoles(r, o, 6, 2);
    EXPECT_TRUE(out.acted);
    EXPECT_FALSE(out.selectionChanged);
    out = appendPoles(r, o, 1);
    EXPECT_TRUE(out.acted);
    EXPECT_FALSE(out.selectionChanged);
    EXPECT_EQ(axis.poleCount(r), 9);
    EXPECT_EQ(caption(5, 0), originally(5, 0));
    EXPECT_EQ(caption(8, 3), QString());
    EXPECT_EQ(r.selection(), QRect(QPoint(col(1, 0), row(1, 0)), QPoint(col(2, 1), row(2, 1))));
    EXPECT_EQ(consistency(r), QString());
}

TEST_P(LineInsert, SelectionMovesOrGrowsWithItsCells)
{
    // (insert at, selection first..last, input) -> expected (first..last, input, changed)
    struct Case
    {
        int at, first, last, input, newFirst, newLast, newInput;
        bool changed;
    } cases[] = {
        {0, 1, 2, 1, 2, 3, 2, true},  // before the selection: it moves
        {1, 1, 2, 2, 2, 3, 3, true},  // at its first line: it moves
        {2, 1, 3, 1, 1, 4, 1, true},  // through it: it grows, the input before the point stays
        {2, 1, 3, 3, 1, 4, 4, true},  // through it: an input after the point moves
        {4, 1, 3, 1, 1, 3, 1, false}, // after it: nothing
    };
    for (const Case &k : cases) {
        build(6, 2);
        select(k.first, 0, k.last, 1, k.input, 0);
        const StructureOutcome out = insertPoles(r, o, k.at, 1);
        EXPECT_EQ(out.selectionChanged, k.changed) << k.at;
        const QRect s = r.selection();
        EXPECT_EQ(columns ? s.left() : s.top(), k.newFirst) << k.at;
        EXPECT_EQ(columns ? s.right() : s.bottom(), k.newLast) << k.at;
        EXPECT_EQ(columns ? s.top() : s.left(), 0) << k.at; // the other axis stays
        EXPECT_EQ(columns ? r.inputCol() : r.inputRow(), k.newInput) << k.at;
        EXPECT_EQ(columns ? r.inputRow() : r.inputCol(), 0) << k.at;
    }
}

TEST_P(LineInsert, BlockSpanningThePointWidensOverTheNewLines)
{
    // Lines 1..3 (1-based 2..4) of a two-line-deep block; insert two before line 2.
    build(6, 4);
    block(1, 1, 3, 2);
    cellAt(1, 1)->storeCaption(QStringLiteral("master"));
    insertPoles(r, o, 2, 2);
    EXPECT_EQ(lineBlocks(), QStringList{QStringLiteral("1,1-5,2")});
    EXPECT_EQ(consistency(r), QString());
    EXPECT_EQ(drawnLength(1, 1), 5 * range()); // two default lengths longer
    EXPECT_EQ(caption(1, 1), QStringLiteral("master"));
    EXPECT_EQ(cellAt(2, 2)->sign(), MergeSign::Covered);
    EXPECT_EQ(cellAt(3, 1)->sign(), MergeSign::Covered);
    // Cells of the new lines outside the block stay plain.
    EXPECT_EQ(cellAt(2, 0)->sign(), MergeSign::None);
    EXPECT_EQ(cellAt(3, 3)->sign(), MergeSign::None);
}

TEST_P(LineInsert, BlocksAtOrAfterThePointMoveWhole)
{
    build(8, 3);
    block(2, 0, 4, 0); // begins at the point: moves, not widened
    block(5, 1, 6, 2); // after it: moves
    block(0, 1, 1, 1); // before it: stays
    insertPoles(r, o, 2, 1);
    EXPECT_EQ(lineBlocks(),
              (QStringList{QStringLiteral("0,1-1,1"), QStringLiteral("3,0-5,0"), QStringLiteral("6,1-7,2")}));
    EXPECT_EQ(drawnLength(3, 0), 3 * range());
    EXPECT_EQ(consistency(r), QString());
}

TEST_P(LineInsert, HiddenLineStaysHiddenAndTheNewOneIsDefault)
{
    build(4, 2);
    ruler().setPoleRange(2, 0);
    insertPoles(r, o, 1, 1);
    EXPECT_EQ(ruler().panelRanges(), (std::vector<int>{range(), range(), range(), 0, range()}));
    EXPECT_EQ(ruler().poleEdge(4), 3 * range());
}

TEST_P(LineInsert, RefusedArgumentsChangeNothing)
{
    build(3, 2);
    int calls = 0;
    const auto before = [&] { ++calls; };
    const std::pair<int, int> refused[] = {{0, 0}, {0, -1}, {-1, 1}, {4, 1}, {INT_MIN, 1}, {1, INT_MIN}};
    for (const auto &[at, count] : refused)
        EXPECT_FALSE(insertPoles(r, o, at, count, before).acted) << at << "," << count;
    EXPECT_FALSE(appendPoles(r, o, 0, before).acted);
    EXPECT_FALSE(appendPoles(r, o, -3, before).acted);
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(axis.poleCount(r), 3);
    EXPECT_TRUE(r.saved());
    insertPoles(r, o, 3, 1, before);
    EXPECT_EQ(calls, 1);
}

TEST_P(LineInsert, GrowthPastThePixelExtentIsAnErrorAndChangesNothing)
{
    build(3, 2);
    const std::uint64_t gen = r.generation();
    const int tooMany = int(kMaxPixelExtent / range()); // with the existing lines it no longer fits
    EXPECT_THROW(insertPoles(r, o, 0, tooMany), ReportError);
    EXPECT_THROW(appendPoles(r, o, INT_MAX), ReportError);
    EXPECT_EQ(axis.poleCount(r), 3);
    EXPECT_EQ(axis.crossCount(r), 2);
    EXPECT_EQ(caption(0, 0), originally(0, 0));
    EXPECT_TRUE(r.saved());
    EXPECT_EQ(r.generation(), gen);
    EXPECT_EQ(consistency(r), QString());
}

TEST_P(LineInsert, ScrolledViewKeepsItsFirstLineIndexAndMatchingOffset)
{
    build(20, 2);
    ruler().setLength(300);
    ruler().setDisplayIndex(5);
    ruler().setPoleRange(0, 40);
    insertPoles(r, o, 0, 3);
    EXPECT_EQ(ruler().displayIndex(), 5);
    EXPECT_EQ(ruler().scrollOffset(), ruler().poleEdge(5));
}

TEST_P(LineInsert, ReportWithoutLinesGetsItsFirstOnes)
{
    if (columns)
        buildReport(r, 0, 4, false);
    else
        buildReport(r, 4, 0, false);
    EXPECT_TRUE(appendPoles(r, o, 2).acted);
    EXPECT_EQ(r.colCount(), columns ? 2 : 4);
    EXPECT_EQ(r.rowCount(), columns ? 4 : 2);
    EXPECT_EQ(consistency(r), QString());
}

TEST_P(LineInsert, CellsHeldBeforeAreReportedStale)
{
    build(3, 3);
    const std::uint64_t gen = r.generation();
    insertPoles(r, o, 1, 1);
    EXPECT_NE(r.generation(), gen);
}

INSTANTIATE_TEST_SUITE_P(Structure, LineInsert,
                         ::testing::Values(Orientation::Horizontal, Orientation::Vertical), orientationName);

} // namespace
