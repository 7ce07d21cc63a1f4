#include "SelectionFixture.h"

#include "grid/selection/CellHitTest.h"
#include "grid/selection/SelectionFrame.h"
#include "report/MergeExpansion.h"

#include <gtest/gtest.h>

using namespace cellvex;
using namespace cellvex::test;

namespace {

QString str(const QRect &r)
{
    return r.isNull()
               ? QStringLiteral("none")
               : QStringLiteral("%1,%2-%3,%4").arg(r.left()).arg(r.top()).arg(r.right()).arg(r.bottom());
}

} // namespace

TEST(MergeExpansion, GrowsUntilNoBlockCrossesTheBorder)
{
    struct Case
    {
        const char *name;
        std::function<void(Report &)> setUp;
        QRect from;
        const char *expected;
    } cases[] = {
        {"no blocks", [](Report &) {}, rect(1, 1, 2, 2), "1,1-2,2"},
        {"block at the corner", [](Report &r) { mergeBlock(r, 2, 2, 3, 3); }, rect(1, 1, 2, 2), "1,1-3,3"},
        {"touching only a covered cell", [](Report &r) { mergeBlock(r, 2, 2, 3, 3); }, rect(3, 3, 4, 4),
         "2,2-4,4"},
        {"block inside stays", [](Report &r) { mergeBlock(r, 1, 1, 2, 2); }, rect(0, 0, 3, 3), "0,0-3,3"},
        // Each pass only finds the next block among the cells the previous one added.
        {"chain over three passes",
         [](Report &r) {
             mergeBlock(r, 2, 0, 3, 1);
             mergeBlock(r, 0, 1, 1, 2);
             mergeBlock(r, 3, 2, 3, 4);
         },
         rect(1, 0, 2, 0), "0,0-3,4"},
        {"block bounds beyond the grid are clamped",
         [](Report &r) {
             r.cell(4, 4)->setMerge(MergeSign::Master, BlockBounds{4, 4, 100, 200});
         },
         rect(4, 4, 4, 4), "4,4-5,29"},
        {"rectangle clamped to the grid", [](Report &) {}, rect(-3, -3, 10, 40), "0,0-5,29"},
        {"rectangle outside the grid", [](Report &) {}, rect(7, 0, 9, 2), "none"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Report r;
        c.setUp(r);
        EXPECT_EQ(str(expandToMerges(r, c.from)), QString::fromLatin1(c.expected));
    }
}

TEST(MergeExpansion, EmptyGridHasNothingToSelect)
{
    for (auto [cols, rows] : {std::pair{0, 0}, std::pair{0, 5}, std::pair{5, 0}}) {
        Report r;
        r.newReport(cols, rows);
        EXPECT_TRUE(expandToMerges(r, rect(0, 0, 0, 0)).isNull());
    }
}

TEST(SelectionFrame, SurroundsTheSelectionOutside)
{
    Report r;
    EXPECT_FALSE(frameForSelection(r).visible());
    EXPECT_EQ(frameForSelection(r).top.width, 0);

    // Columns are 80 and rows 19 pixels apart; select B3:C4.
    r.setSelectionRect(1, 2, 2, 3);
    const SelectionFrame f = frameForSelection(r);
    struct Line
    {
        const ReportRect &got;
        std::int64_t x, y, w, h;
    } lines[] = {
        {f.left, 78, 36, 2, 43},
        {f.top, 78, 36, 165, 2},
        {f.right, 240, 36, 3, 43},
        {f.bottom, 78, 76, 165, 3},
    };
    for (const Line &l : lines) {
        EXPECT_EQ(l.got.x, l.x);
        EXPECT_EQ(l.got.y, l.y);
        EXPECT_EQ(l.got.width, l.w);
        EXPECT_EQ(l.got.height, l.h);
    }
}

TEST(SelectionFrame, SumsWideSelectionsIn64Bit)
{
    Report r;
    r.newReport(3, 1);
    for (int c = 0; c < 3; ++c)
        r.colRuler().setPoleRange(c, 1'000'000'000);
    r.setSelectionRect(0, 0, 2, 0);
    const SelectionFrame f = frameForSelection(r);
    EXPECT_EQ(f.top.width, 3'000'000'005LL);
    EXPECT_EQ(f.right.x, 3'000'000'000LL);
}

TEST(CellHitTest, FindsTheCellThatTakesThePress)
{
    Report r;
    r.colRuler().setPoleRange(2, 0); // column C hidden: D starts at 160
    r.rowRuler().setPoleRange(1, 0); // row 2 hidden: row 3 starts at 19
    mergeBlock(r, 3, 5, 4, 6);       // D6:E7, from x 160 and y 4 * 19 = 76
    struct Case
    {
        std::int64_t x, y;
        int col, row;
        std::int64_t cx, cy;
    } cases[] = {
        {0, 0, 0, 0, 0, 0},           {85, 20, 1, 2, 5, 1},
        {160, 0, 3, 0, 0, 0},                                     // the hidden column never matches
        {159, 18, 1, 0, 79, 18},                                  // last pixel before it
        {250, 76 + 25, 3, 5, 90, 25},                             // inside the covered E7: the master D6
        {399, 0, 5, 0, 79, 0},        {400, 0, -1, -1, 0, 0},     // past the last column
        {-1, 0, -1, -1, 0, 0},        {0, 19 * 29, -1, -1, 0, 0}, // past the last row (one row is hidden)
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        const CellHit h = hitTestCell(r, c.x, c.y);
        EXPECT_EQ(h.col, c.col);
        EXPECT_EQ(h.row, c.row);
        if (h.valid()) {
            EXPECT_EQ(h.x, c.cx);
            EXPECT_EQ(h.y, c.cy);
        }
    }
}

TEST(CellHitTest, SurfacePointsCountFromTheFirstDisplayedCell)
{
    Report r;
    r.colRuler().setDisplayIndex(2);
    r.rowRuler().setDisplayIndex(10);
    const CellHit h = hitTestSurface(r, 5, 3);
    EXPECT_EQ(h.col, 2);
    EXPECT_EQ(h.row, 10);
    EXPECT_EQ(h.x, 5);
    EXPECT_EQ(h.y, 3);

    Report empty;
    empty.newReport(0, 0);
    EXPECT_FALSE(hitTestSurface(empty, 0, 0).valid());
}
