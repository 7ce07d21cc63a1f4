#include "SelectionFixture.h"

#include "grid/selection/CellMouseInput.h"

#include <gtest/gtest.h>

using namespace cellvex;
using namespace cellvex::test;

namespace {

// Columns are 80 and rows 19 pixels apart.
constexpr int kW = 80, kH = 19;

struct MouseFixture : SelectionFixture
{
    CellMouseInput mouse{sel};

    CellHit at(int col, int row, int dx = 10, int dy = 5) const
    {
        return hitTestCell(report, std::int64_t(col) * kW + dx, std::int64_t(row) * kH + dy);
    }
    void moveTo(int col, int row) { mouse.leftMove(std::int64_t(col) * kW + 10, std::int64_t(row) * kH + 5); }
    QString events() const { return log.events.join(' '); }
};

} // namespace

TEST(CellMouse, LeftPressSelectsTheCellAndRaisesThreeEventsEveryTime)
{
    MouseFixture f;
    f.report.setEditing(true);
    f.report.setWholeModes(true, false);
    for (int click = 0; click < 2; ++click) {
        f.mouse.leftPress(f.at(1, 2));
        f.mouse.leftRelease();
    }
    EXPECT_EQ(f.state(), "sel(1,2,1,2) in(1,2)");
    EXPECT_EQ(f.events(), "LClick(2,3) Input(2,3) Select(2,3,2,3) LClick(2,3) Input(2,3) Select(2,3,2,3)");
    EXPECT_EQ(f.report.displayedColor(1, 2), f.report.inputColor());
    EXPECT_FALSE(f.report.editing());
    EXPECT_FALSE(f.report.wholeColumnMode());
    // Press: finish input, frame, scroll; release: prepare without opening a list.
    EXPECT_EQ(f.hooks.mid(0, 4).join(' '), "commit frame scroll prepare");
}

TEST(CellMouse, PressInsideABlockSelectsTheBlockWithItsMasterAsInput)
{
    MouseFixture f;
    mergeBlock(f.report, 2, 3, 3, 4);
    f.mouse.leftPress(f.at(3, 4)); // a covered cell
    EXPECT_EQ(f.state(), "sel(2,3,3,4) in(2,3)");
    EXPECT_EQ(f.events(), "LClick(3,4) Input(3,4) Select(3,4,4,5)");
}

TEST(CellMouse, DragSelectsStepByStepAndPlacesTheFrameOnRelease)
{
    MouseFixture f;
    f.mouse.leftPress(f.at(1, 2));
    const SelectionFrame pressed = f.sel.frame();
    f.log.events.clear();
    f.hooks.clear();

    f.moveTo(2, 2);
    f.moveTo(2, 2); // no change, no event
    f.moveTo(3, 4);
    EXPECT_EQ(f.events(), "Select(2,3,3,3) Select(2,3,4,5)");
    EXPECT_EQ(f.hooks.join(' '), "keepCol(2) keepCol(3) keepRow(4)");
    // The input cell stays where the button went down; the frame waits.
    EXPECT_EQ(f.state(), "sel(1,2,3,4) in(1,2)");
    EXPECT_EQ(f.report.displayedColor(1, 2), f.report.inputColor());
    EXPECT_EQ(f.report.displayedColor(3, 4), f.report.selectedColor());
    EXPECT_TRUE(f.sel.frame() == pressed);
    EXPECT_TRUE(f.report.colRuler().isSelected(3));

    f.hooks.clear();
    f.mouse.leftRelease();
    EXPECT_EQ(f.hooks.join(' '), "frame prepare");
    EXPECT_TRUE(f.sel.frame() == frameForSelection(f.report));
    EXPECT_FALSE(f.mouse.dragging());

    f.moveTo(5, 5); // no button: nothing
    EXPECT_EQ(f.state(), "sel(1,2,3,4) in(1,2)");
}

TEST(CellMouse, DragBackPastThePressedCellAndIntoBlocks)
{
    MouseFixture f;
    mergeBlock(f.report, 4, 0, 5, 1);
    f.mouse.leftPress(f.at(3, 3));
    f.log.events.clear();
    f.moveTo(1, 1); // up and to the left
    EXPECT_EQ(f.state(), "sel(1,1,3,3) in(3,3)");
    f.moveTo(4, 2); // right and one row down: touches nothing merged yet
    EXPECT_EQ(f.state(), "sel(3,2,4,3) in(3,3)");
    f.moveTo(4, 1); // row 1 holds the covered E2: the block joins
    EXPECT_EQ(f.state(), "sel(3,0,5,3) in(3,3)");
    EXPECT_EQ(f.events(), "Select(2,2,4,4) Select(4,3,5,4) Select(4,1,6,4)");
}

TEST(CellMouse, DragStopsAtTheReportEdges)
{
    MouseFixture f;
    f.mouse.leftPress(f.at(4, 28));
    f.mouse.leftMove(100000, 100000);
    EXPECT_EQ(f.state(), "sel(4,28,5,29) in(4,28)");
    f.mouse.leftMove(-100000, -100000);
    EXPECT_EQ(f.state(), "sel(0,0,4,28) in(4,28)");
}

TEST(CellMouse, DoubleClickOpensInputAtTheFollowingRelease)
{
    MouseFixture f;
    const CellHit h = f.at(2, 2);
    f.mouse.leftPress(h);
    f.mouse.leftRelease();
    f.hooks.clear();
    bool pendingAtPrepare = false;
    f.answers.prepareInput = [&](bool) { pendingAtPrepare = f.sel.dblClickPending(); };
    f.mouse.doubleClick(h);
    EXPECT_TRUE(f.report.editing());
    f.mouse.leftRelease();
    EXPECT_TRUE(pendingAtPrepare);
    EXPECT_EQ(f.events(), "LClick(3,3) Input(3,3) Select(3,3,3,3) DblClick(3,3)");
}

TEST(CellMouse, ReleaseAfterADropButtonSkipsPreparationOnce)
{
    MouseFixture f;
    f.mouse.leftPress(f.at(0, 0));
    f.mouse.setSkipCellPrepare(true);
    f.moveTo(1, 1);
    f.hooks.clear();
    f.mouse.leftRelease();
    // The frame still follows the drag; input was already prepared.
    EXPECT_EQ(f.hooks.join(' '), "frame");
    f.mouse.leftPress(f.at(0, 0));
    f.hooks.clear();
    f.mouse.leftRelease();
    EXPECT_EQ(f.hooks.join(' '), "prepare");
}

TEST(CellMouse, ReleaseWithoutAPressOnACellDoesNothing)
{
    MouseFixture f;
    f.mouse.leftPress(CellHit{}); // below the last row
    f.mouse.leftRelease();
    EXPECT_TRUE(f.hooks.isEmpty());
    EXPECT_TRUE(f.log.events.isEmpty());
}

TEST(CellMouse, RightPressInsideTheSelectionOnlyReports)
{
    MouseFixture f;
    f.sel.setSelectedCell(1, 1, 3, 3);
    f.log.events.clear();

    f.mouse.rightPress(f.at(2, 2), 500, 600);
    EXPECT_EQ(f.events(), "RClick(1,1,500,600)");
    EXPECT_EQ(f.state(), "sel(0,0,2,2) in(0,0)");

    f.log.events.clear();
    f.hooks.clear();
    f.report.setEditing(true);
    f.mouse.rightPress(f.at(4, 4), 7, 8);
    EXPECT_EQ(f.events(), "RClick(5,5,7,8) Input(5,5) Select(5,5,5,5)");
    EXPECT_EQ(f.state(), "sel(4,4,4,4) in(4,4)");
    EXPECT_FALSE(f.report.editing());
    // No scrolling and no input preparation on a right press.
    EXPECT_EQ(f.hooks.join(' '), "commit frame focus");
}

TEST(CellMouse, HandlerThatReplacesTheReportStopsThePressAndTheDrag)
{
    MouseFixture f;
    f.log.onEvent = [&](const QString &e) {
        if (e.startsWith("LClick"))
            f.report.newReport(3, 3);
    };
    f.mouse.leftPress(f.at(4, 10));
    EXPECT_EQ(f.events(), "LClick(5,11)");
    EXPECT_FALSE(f.mouse.dragging());
    f.mouse.leftMove(5000, 5000);
    f.hooks.clear();
    f.mouse.leftRelease();
    EXPECT_TRUE(f.hooks.isEmpty());
    EXPECT_FALSE(f.report.hasSelection());
}

TEST(CellMouse, HandlerThatReplacesTheReportDuringADragEndsIt)
{
    MouseFixture f;
    f.mouse.leftPress(f.at(0, 0));
    f.log.onEvent = [&](const QString &e) {
        if (e == "Select(1,1,2,1)")
            f.report.newReport(6, 30);
    };
    f.moveTo(1, 0);
    f.moveTo(3, 3);
    EXPECT_EQ(f.log.events.last(), "Select(1,1,2,1)");
    EXPECT_FALSE(f.report.hasSelection());
}
