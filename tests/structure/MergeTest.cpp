#include "StructureFixture.h"

#include "grid/structure/MergeBlocks.h"
#include "grid/structure/MergeCommands.h"

#include <gtest/gtest.h>

using namespace cellvex;
using namespace cellvex::test;

namespace {

struct Merge : ::testing::Test
{
    Report r;
    void SetUp() override { buildReport(r, 6, 8); }
    QRect selection() const { return r.selection(); }
};

TEST_F(Merge, MergeRangeMakesOneBlockThatSpansItsLines)
{
    r.colRuler().setPoleRange(2, 30);
    mergeRange(r, 1, 2, 2, 4);
    EXPECT_EQ(blocks(r), QStringList{QStringLiteral("1,2-2,4")});
    EXPECT_EQ(consistency(r), QString());
    const ReportRect rect = r.cellRect(1, 2);
    EXPECT_EQ(rect.width, 80 + 30);
    EXPECT_EQ(rect.height, 3 * 19);
    // The covered cells keep their own content unseen.
    EXPECT_EQ(r.cell(2, 4)->caption(), QStringLiteral("C5"));
    mergeRange(r, 4, 4, 4, 4); // one cell: nothing
    EXPECT_EQ(r.cell(4, 4)->sign(), MergeSign::None);
}

TEST_F(Merge, DissolveBlocksOnlyTouchesBlocksWhoseMasterIsInside)
{
    storeBlock(r, 0, 0, 1, 1);
    storeBlock(r, 3, 3, 4, 5);
    dissolveBlocks(r, 1, 1, 5, 7); // a covered cell of the first block, the master of the second
    EXPECT_EQ(blocks(r), QStringList{QStringLiteral("0,0-1,1")});
    EXPECT_EQ(consistency(r), QString());
    EXPECT_EQ(r.cell(4, 5)->caption(), QStringLiteral("E6"));
}

TEST_F(Merge, DissolveLeavesCellsOfOtherBlocksInsideDamagedBounds)
{
    storeBlock(r, 2, 2, 3, 3);
    // A master whose stored bounds also cover the other block.
    r.cell(0, 0)->setMerge(MergeSign::Master, BlockBounds{0, 0, 5, 5});
    dissolveBlocks(r, 0, 0, 0, 0);
    EXPECT_EQ(blocks(r), QStringList{QStringLiteral("2,2-3,3")});
    EXPECT_EQ(consistency(r), QString());
}

TEST_F(Merge, MergeCellsReplacesBlocksInsideAndSelectsTheRectangle)
{
    storeBlock(r, 1, 1, 2, 1);
    storeBlock(r, 3, 2, 3, 3);
    r.setSelectionRect(5, 5, 5, 5);
    r.setInputCell(5, 5);
    EXPECT_TRUE(mergeCells(r, 1, 1, 3, 3));
    EXPECT_EQ(blocks(r), QStringList{QStringLiteral("1,1-3,3")});
    EXPECT_EQ(consistency(r), QString());
    EXPECT_EQ(selection(), QRect(QPoint(1, 1), QPoint(3, 3)));
    EXPECT_EQ(r.inputCol(), 1);
    EXPECT_EQ(r.inputRow(), 1);
    EXPECT_FALSE(r.saved());

    // Splitting shows every former cell again with its own text.
    EXPECT_TRUE(splitCells(r, 1, 1, 3, 3));
    EXPECT_EQ(blocks(r), QStringList());
    EXPECT_EQ(r.cell(3, 3)->caption(), QStringLiteral("D4"));
    EXPECT_EQ(r.cellRect(1, 1).width, 80);
}

TEST_F(Merge, RectangleCuttingABlockIsRefused)
{
    storeBlock(r, 2, 2, 3, 3); // 1-based (3,3)-(4,4)
    r.setSelectionRect(0, 0, 0, 0);
    r.setInputCell(0, 0);
    int calls = 0;
    const auto before = [&] { ++calls; };
    struct Rect
    {
        int c1, r1, c2, r2;
    } refused[] = {
        {1, 1, 2, 2},             // MergeCell(2, 2, 3, 3): the block crosses its edge
        {3, 3, 3, 3},             // a covered cell alone
        {2, 2, 2, 2},             // the master alone
        {2, 1, 1, 2},             // inverted
        {-1, 0, 1, 1},            // outside
        {0, 0, 6, 1},             // past the last column
        {INT_MIN, 0, INT_MAX, 1}, // extremes
    };
    for (const Rect &k : refused) {
        EXPECT_FALSE(mergeCells(r, k.c1, k.r1, k.c2, k.r2, before)) << k.c1 << "," << k.r1;
        EXPECT_FALSE(splitCells(r, k.c1, k.r1, k.c2, k.r2, before)) << k.c1 << "," << k.r1;
    }
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(blocks(r), QStringList{QStringLiteral("2,2-3,3")});
    EXPECT_EQ(selection(), QRect(QPoint(0, 0), QPoint(0, 0)));
    EXPECT_TRUE(r.saved());
}

TEST_F(Merge, MergeStateReportsSignAndBounds)
{
    storeBlock(r, 1, 4, 3, 5); // 1-based columns 2-4, rows 5-6
    const MergeState covered = mergeStateOf(r, 2, 5);
    EXPECT_EQ(covered.type, 2);
    EXPECT_EQ(covered.bounds.left, 1);
    EXPECT_EQ(covered.bounds.top, 4);
    EXPECT_EQ(covered.bounds.right, 3);
    EXPECT_EQ(covered.bounds.bottom, 5);
    EXPECT_EQ(mergeStateOf(r, 1, 4).type, 1);
    EXPECT_EQ(mergeStateOf(r, 0, 0).type, 0);
    EXPECT_EQ(mergeStateOf(r, 6, 0).type, -1);
    EXPECT_EQ(mergeStateOf(r, 0, -1).type, -1);
}

TEST_F(Merge, ResetCellsGivesFreshDefaultCells)
{
    Cell *c = r.cell(1, 1);
    c->setKind(CellKind::CheckBox);
    c->storeAlias(QStringLiteral("Gone"));
    c->setFontId(r.fonts().intern(FontAttributes{QStringLiteral("Arial"), 20}));
    storeBlock(r, 2, 2, 3, 3);
    resetCells(r, 1, 1, 3, 3);
    EXPECT_EQ(r.cell(1, 1)->caption(), QString());
    EXPECT_EQ(r.cell(1, 1)->kind(), CellKind::Text);
    EXPECT_FALSE(r.cell(1, 1)->hasAlias());
    EXPECT_EQ(r.cellFont(1, 1).name, QStringLiteral("宋体"));
    EXPECT_EQ(r.cellFont(1, 1).size, 9);
    EXPECT_EQ(r.cell(3, 3)->sign(), MergeSign::None);
    EXPECT_EQ(r.cell(4, 4)->caption(), QStringLiteral("E5")); // outside: untouched
    EXPECT_EQ(consistency(r), QString());
}

} // namespace
