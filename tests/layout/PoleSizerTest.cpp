#include "LayoutFixture.h"

#include "common/Geometry.h"
#include "grid/layout/PoleSizer.h"

#include <gtest/gtest.h>

using namespace cellvex;
using cellvex::test::View;

namespace {

// A View with a sizer whose geometry changes are counted.
struct Sized : View
{
    PoleSizer sizer{report, scroll};
    int geometryChanges = 0;
    Sized(int cols, int rows, int width = 500, int height = 400) : View(cols, rows, width, height)
    {
        sizer.setListener(&hooks);
        hooks.geometry = [this](Orientation) { ++geometryChanges; };
    }
};

void mergeBlock(Report &report, int left, int top, int right, int bottom)
{
    const BlockBounds b{left, top, right, bottom};
    for (int c = left; c <= right; ++c)
        for (int r = top; r <= bottom; ++r)
            report.cells().at(c, r).setMerge(c == left && r == top ? MergeSign::Master : MergeSign::Covered,
                                             b);
}

} // namespace

TEST(PoleSizer, SetColWidth)
{
    struct Case
    {
        const char *what;
        int initial; // width of column 1 (0-based) before the call
        int col, width;
        bool changed;
        int finalWidth; // of column 1
    };
    const Case cases[] = {
        {"widen", 80, 1, 120, true, 120},
        {"width 1 restores the default", 120, 1, 1, true, 80},
        {"width 0 hides", 80, 1, 0, true, 0},
        {"a hidden column shows again", 0, 1, 80, true, 80},
        {"a tiny width keeps its split", 80, 1, 2, true, 2},
        {"the same width changes nothing", 80, 1, 80, false, 80},
        {"width 1 on a default column changes nothing", 80, 1, 1, false, 80},
        {"negative width refused", 120, 1, -1, false, 120},
        {"width beyond the cap refused", 120, 1, PoleSizer::kMaxRange + 1, false, 120},
        {"width at the cap accepted", 120, 1, PoleSizer::kMaxRange, true, PoleSizer::kMaxRange},
        {"column before the first refused", 120, -1, 50, false, 120},
        {"column past the last refused", 120, 6, 50, false, 120},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Sized s(6, 30);
        s.report.colRuler().setPoleRange(1, c.initial);
        s.report.setSaved(true);
        EXPECT_EQ(s.sizer.setColWidth(c.col, c.width), c.changed);
        const RulerModel &x = s.report.colRuler();
        EXPECT_EQ(x.panelRange(1), c.finalWidth);
        // Later columns follow; a visible column keeps its 2-pixel handle.
        EXPECT_EQ(x.poleEdge(2), 80 + c.finalWidth);
        EXPECT_EQ(x.splitLength(1), c.finalWidth == 0 ? 0 : 2);
        EXPECT_EQ(s.report.saved(), !c.changed);
        EXPECT_EQ(s.geometryChanges, c.changed ? 1 : 0);
    }
}

TEST(PoleSizer, SetRowHeightUsesTheRowDefault)
{
    Sized s(6, 30);
    EXPECT_TRUE(s.sizer.setRowHeight(4, 40));
    EXPECT_EQ(s.report.rowHeight(4), 40);
    EXPECT_EQ(s.report.rowRuler().poleEdge(5), 4 * 19 + 40);
    EXPECT_TRUE(s.sizer.setRowHeight(4, 1));
    EXPECT_EQ(s.report.rowHeight(4), 19);
    EXPECT_FALSE(s.sizer.setRowHeight(30, 40));
    EXPECT_FALSE(s.sizer.setRowHeight(4, -3));
}

TEST(PoleSizer, MergedMasterFollowsItsColumnsAndRows)
{
    Sized s(6, 30);
    mergeBlock(s.report, 1, 3, 2, 4); // columns 2-3, rows 4-5 at the interface
    auto master = [&] { return s.report.cellRect(1, 3); };
    EXPECT_EQ(master().width, 160);

    s.sizer.setColWidth(2, 100); // the block's second column
    EXPECT_EQ(master().width, 180);
    s.sizer.setRowHeight(4, 40);
    EXPECT_EQ(master().height, 59);
    // The master's own column hidden: the block still shows over the other.
    s.sizer.setColWidth(1, 0);
    EXPECT_EQ(master().x, 80);
    EXPECT_EQ(master().width, 100);
    // Its whole range hidden: nothing left to draw.
    s.sizer.setColWidth(2, 0);
    EXPECT_EQ(master().width, 0);
    s.sizer.setColWidth(1, 1);
    EXPECT_EQ(master().width, 80);
}

TEST(PoleSizer, ResizeBeforeTheViewKeepsRulerAndCellsAligned)
{
    Sized s(10, 30);
    s.scroll.setLeftIndex(4);
    s.take();
    s.sizer.setColWidth(0, 200);
    const RulerModel &x = s.report.colRuler();
    EXPECT_EQ(s.scroll.leftIndex(), 4);
    // The ruler paints from its scroll offset, the cells from the edge of
    // the first displayed column: both must be that column's new edge.
    EXPECT_EQ(x.scrollOffset(), x.poleEdge(3));
    EXPECT_EQ(x.scrollOffset(), 360);
    EXPECT_TRUE(s.take().isEmpty());
}

TEST(PoleSizer, ShrinkingAtTheEndScrollsBack)
{
    Sized s(10, 30); // limit 5 in 500 pixels
    s.scroll.setLeftIndex(5);
    s.take();
    s.sizer.setColWidth(9, 0); // the right edge comes 80 pixels inside the view
    EXPECT_EQ(s.scroll.leftIndex(), 4);
    EXPECT_EQ(s.take(), QStringList{"left 4"});
}

TEST(PoleSizer, ReportExtentStaysAWindowCoordinate)
{
    // 65538 columns: all but the last at the largest width leave just under
    // 32767 pixels of room in a 32-bit extent.
    Sized s(65538, 1);
    RulerModel &x = s.report.colRuler();
    x.setPoleRanges(0, 65536, PoleSizer::kMaxRange);
    const std::int64_t room = kMaxPixelExtent - 3 - (x.totalLength() - x.panelRange(65537));
    ASSERT_LT(room, PoleSizer::kMaxRange);
    EXPECT_FALSE(s.sizer.setColWidth(65537, int(room) + 1));
    EXPECT_EQ(x.panelRange(65537), 80);
    EXPECT_TRUE(s.sizer.setColWidth(65537, int(room)));
    EXPECT_EQ(x.totalLength() + 3, kMaxPixelExtent);
}

TEST(PoleSizer, ResizeDragAppliesToTheWholeSelection)
{
    struct Case
    {
        const char *what;
        bool wholeColumns;
        int pole;
        std::vector<int> widths;
    };
    // Columns 1-3 selected; the drag gave its pole 120 pixels.
    const Case cases[] = {
        {"whole columns: every selected one", true, 2, {80, 120, 120, 120, 80, 80}},
        {"not whole columns: only the dragged one", false, 2, {80, 80, 120, 80, 80, 80}},
        {"dragged outside the selection", true, 4, {80, 80, 80, 80, 120, 80}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Sized s(6, 30);
        s.report.setWholeModes(c.wholeColumns, false);
        s.report.setSelectionRect(1, 0, 3, 29);
        s.report.setSaved(true);
        s.report.colRuler().setPoleRange(c.pole, 120);
        s.sizer.applyResizeDrag(Orientation::Horizontal, c.pole);
        EXPECT_EQ(s.report.colRuler().panelRanges(), c.widths);
        EXPECT_FALSE(s.report.saved());
        EXPECT_EQ(s.geometryChanges, 1);
    }

    // Rows alike, over a long whole-row selection in one bulk change.
    Sized rows(2, 1000000);
    rows.report.setWholeModes(false, true);
    rows.report.setSelectionRect(0, 0, 1, 999999);
    rows.report.rowRuler().setPoleRange(500, 30);
    rows.sizer.applyResizeDrag(Orientation::Vertical, 500);
    EXPECT_EQ(rows.report.rowRuler().totalLength(), 30LL * 1000000);
}
