#include "PoleFixture.h"

#include "grid/structure/PoleEdits.h"

using namespace cellvex;
using namespace cellvex::test;

namespace {

class LineDelete : public LineFixture
{
};

TEST_P(LineDelete, LaterCellsMoveBackWithTheirContent)
{
    build(6, 3);
    ruler().setPoleRange(4, 33);
    cellAt(5, 1)->storeAlias(QStringLiteral("Last"));
    const StructureOutcome out = deletePoles(r, o, 1, 2);
    EXPECT_TRUE(out.acted);
    EXPECT_EQ(axis.poleCount(r), 4);
    for (int cross = 0; cross < 3; ++cross) {
        EXPECT_EQ(caption(0, cross), originally(0, cross));
        EXPECT_EQ(caption(1, cross), originally(3, cross));
        EXPECT_EQ(caption(3, cross), originally(5, cross));
    }
    EXPECT_EQ(cellAt(3, 1)->aliasName(), QStringLiteral("Last"));
    // Each remaining line keeps its own size.
    EXPECT_EQ(ruler().panelRanges(), (std::vector<int>{range(), range(), 33, range()}));
    EXPECT_EQ(consistency(r), QString());
    EXPECT_FALSE(r.saved());
}

TEST_P(LineDelete, HiddenLineStaysHiddenWhenEarlierLinesGo)
{
    build(5, 2);
    ruler().setPoleRange(3, 0);
    deletePoles(r, o, 0, 1);
    EXPECT_EQ(ruler().panelRanges(), (std::vector<int>{range(), 0, range()}));
}

TEST_P(LineDelete, RefusedArgumentsChangeNothing)
{
    build(4, 2);
    int calls = 0;
    const std::pair<int, int> refused[] = {{0, 3}, {1, 0},       {-1, 1},      {3, 4},
                                           {4, 4}, {INT_MIN, 0}, {0, INT_MAX}, {INT_MAX, INT_MAX}};
    for (const auto &[first, last] : refused)
        EXPECT_FALSE(deletePoles(r, o, first, last, [&] { ++calls; }).acted) << first << "," << last;
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(axis.poleCount(r), 4);
    EXPECT_TRUE(r.saved());
}

TEST_P(LineDelete, SelectionFollowsTheRules)
{
    // Selection lines 2..5 with the input on `input`; delete first..last.
    struct Case
    {
        int first, last, input, newFirst, newLast, newInput;
        bool changed;
    } cases[] = {
        {6, 7, 3, 2, 5, 3, false},   // after the selection
        {4, 6, 5, 2, 3, 2, true},    // its far part: the input falls back to the first line
        {4, 6, 3, 2, 3, 3, true},    // its far part, the input stays
        {3, 4, 5, 2, 3, 3, true},    // inside it: an input after moves back
        {3, 4, 4, 2, 3, 2, true},    // inside it: a deleted input falls back to the first line
        {0, 1, 3, 0, 3, 1, true},    // before it: everything moves back
        {1, 3, 2, 1, 2, 1, true},    // its near part: starts at the deletion, input there
        {1, 3, 5, 1, 2, 2, true},    // its near part: an input after moves back
        {2, 5, 3, -1, -1, -1, true}, // all of it: nothing selected, no input
    };
    for (const Case &k : cases) {
        build(8, 3);
        select(2, 1, 5, 2, k.input, 1);
        const StructureOutcome out = deletePoles(r, o, k.first, k.last);
        EXPECT_EQ(out.selectionChanged, k.changed) << k.first << "-" << k.last;
        if (k.newFirst < 0) {
            EXPECT_FALSE(r.hasSelection());
            EXPECT_EQ(r.inputCol(), -1);
            EXPECT_EQ(r.inputRow(), -1);
            continue;
        }
        const QRect s = r.selection();
        EXPECT_EQ(columns ? s.left() : s.top(), k.newFirst) << k.first << "-" << k.last;
        EXPECT_EQ(columns ? s.right() : s.bottom(), k.newLast) << k.first << "-" << k.last;
        EXPECT_EQ(columns ? s.top() : s.left(), 1);
        EXPECT_EQ(columns ? s.bottom() : s.right(), 2);
        EXPECT_EQ(columns ? r.inputCol() : r.inputRow(), k.newInput) << k.first << "-" << k.last;
        EXPECT_EQ(columns ? r.inputRow() : r.inputCol(), 1);
    }
}

TEST_P(LineDelete, BlocksLosingLines)
{
    // A one-line-deep block over lines 1..3 (1-based 2..4), and the lines deleted.
    struct Case
    {
        int first, last;
        QStringList blocks;
        int master;      // the old line of the cell that now stands where the block begins
        int masterLines; // its drawn length in default lines
    } cases[] = {
        {1, 1, {QStringLiteral("1,0-2,0")}, 2, 2}, // the master's line: the next cell takes over
        {2, 2, {QStringLiteral("1,0-2,0")}, 1, 2}, // a middle line: a shorter master
        {2, 3, {}, 1, 1},                          // all but the master: a plain cell
        {1, 2, {}, 3, 1},                          // the master and one more: one plain cell left
        {0, 0, {QStringLiteral("0,0-2,0")}, 1, 3}, // before it: moves back whole
    };
    for (const Case &k : cases) {
        build(6, 2);
        block(1, 0, 3, 0);
        deletePoles(r, o, k.first, k.last);
        const QString what = QStringLiteral("delete %1-%2").arg(k.first).arg(k.last);
        EXPECT_EQ(lineBlocks(), k.blocks) << what.toStdString();
        const int at = k.first == 0 ? 0 : 1;
        EXPECT_EQ(caption(at, 0), originally(k.master, 0)) << what.toStdString();
        EXPECT_EQ(drawnLength(at, 0), k.masterLines * range()) << what.toStdString();
        EXPECT_EQ(cellAt(at, 0)->sign(), k.blocks.isEmpty() ? MergeSign::None : MergeSign::Master);
        EXPECT_EQ(consistency(r), QString()) << what.toStdString();
    }
}

TEST_P(LineDelete, RestOfABlockWhoseMasterGoesBecomesABlock)
{
    // Lines 2..5 (1-based 3..6), two deep; delete lines 1..3 (1-based 2..4):
    // lines 4..5 remain and become a block over the new lines 1..2.
    build(7, 3);
    block(2, 0, 5, 1);
    cellAt(4, 0)->storeCaption(QStringLiteral("hidden until now"));
    deletePoles(r, o, 1, 3);
    EXPECT_EQ(lineBlocks(), QStringList{QStringLiteral("1,0-2,1")});
    EXPECT_EQ(caption(1, 0), QStringLiteral("hidden until now"));
    EXPECT_EQ(drawnLength(1, 0), 2 * range());
    EXPECT_EQ(consistency(r), QString());
}

TEST_P(LineDelete, DeepBlockKeepsItsShapeAcrossLines)
{
    // Deleting a line through a block that is three cells deep across.
    build(5, 5);
    block(0, 1, 2, 3);
    deletePoles(r, o, 1, 1);
    EXPECT_EQ(lineBlocks(), QStringList{QStringLiteral("0,1-1,3")});
    EXPECT_EQ(consistency(r), QString());
}

TEST_P(LineDelete, DamagedBoundsNeverReachOutsideTheGrid)
{
    // Bounds from a damaged document: a master claiming far more than the
    // grid has, and covered cells naming blocks that are not there.
    build(4, 3);
    cellAt(1, 1)->setMerge(MergeSign::Master, BlockBounds{1, 1, INT_MAX, INT_MAX});
    cellAt(2, 1)->setMerge(MergeSign::Covered, BlockBounds{1, 1, INT_MAX, INT_MAX});
    cellAt(3, 1)->setMerge(MergeSign::Covered, BlockBounds{INT_MIN, 9, INT_MAX, 9});
    EXPECT_TRUE(insertPoles(r, o, 2, 2).acted);
    EXPECT_TRUE(insertPoles(r, o, 0, 1).acted);
    EXPECT_TRUE(deletePoles(r, o, 2, 2).acted);
    EXPECT_TRUE(deletePoles(r, o, 0, 1).acted);
    EXPECT_EQ(axis.poleCount(r), 4);
}

TEST_P(LineDelete, ScrollPositionStaysInsideTheRuler)
{
    build(20, 2);
    ruler().setLength(300);
    ruler().setDisplayIndex(15);
    deletePoles(r, o, 10, 18);
    EXPECT_EQ(ruler().displayIndex(), 10);
    EXPECT_EQ(ruler().scrollOffset(), ruler().poleEdge(10));
}

INSTANTIATE_TEST_SUITE_P(Structure, LineDelete,
                         ::testing::Values(Orientation::Horizontal, Orientation::Vertical), orientationName);

} // namespace
