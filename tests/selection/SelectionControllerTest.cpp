#include "SelectionFixture.h"

#include <gtest/gtest.h>

using namespace cellvex;
using namespace cellvex::test;

TEST(SetSelectedCell, SelectsGrowsClearsOrIgnores)
{
    struct Case
    {
        const char *name;
        int a, b, c, d;     // 1-based arguments
        const char *state;  // 0-based result
        const char *events; // raised, in order
    } cases[] = {
        {"one cell", 2, 3, 2, 3, "sel(1,2,1,2) in(1,2)", "Input(2,3) Select(2,3,2,3)"},
        {"grown to the merged C3:D4", 2, 2, 3, 3, "sel(1,1,3,3) in(1,1)", "Input(2,2) Select(2,2,4,4)"},
        {"min after max", 3, 1, 2, 1, "sel(-1,-1,-1,-1) in(-1,-1)", ""},
        {"column 0", 0, 1, 1, 1, "sel(-1,-1,-1,-1) in(-1,-1)", ""},
        {"past the last column", 1, 1, 7, 1, "sel(-1,-1,-1,-1) in(-1,-1)", ""},
        {"past the last row", 1, 1, 1, 31, "sel(-1,-1,-1,-1) in(-1,-1)", ""},
        {"whole report", 1, 1, 6, 30, "sel(0,0,5,29) in(0,0)", "Input(1,1) Select(1,1,6,30)"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        SelectionFixture f;
        mergeBlock(f.report, 2, 2, 3, 3);
        f.sel.setSelectedCell(c.a, c.b, c.c, c.d);
        EXPECT_EQ(f.state(), QString::fromLatin1(c.state));
        EXPECT_EQ(f.log.events.join(' '), QString::fromLatin1(c.events));
        // Input is always finished first, even when nothing else happens.
        ASSERT_FALSE(f.hooks.isEmpty());
        EXPECT_EQ(f.hooks.first(), "commit");
    }
}

TEST(SetSelectedCell, RaisesEachEventOnlyWhenItsValueChanged)
{
    SelectionFixture f;
    f.sel.setSelectedCell(2, 2, 3, 3);
    f.log.events.clear();

    f.sel.setSelectedCell(2, 2, 3, 3); // nothing changes
    EXPECT_TRUE(f.log.events.isEmpty());

    f.sel.setSelectedCell(2, 2, 4, 4); // same input cell, larger selection
    EXPECT_EQ(f.log.events.join(' '), "Select(2,2,4,4)");

    f.log.events.clear();
    f.sel.setSelectedCell(-1, -1, -1, -1);
    EXPECT_EQ(f.log.events.join(' '), "Input(-1,-1) Select(-1,-1,-1,-1)");
    f.log.events.clear();
    f.sel.setSelectedCell(-1, -1, -1, -1);
    EXPECT_TRUE(f.log.events.isEmpty());
}

TEST(SetSelectedCell, EndsEditingAndWholeLineModesWithoutScrolling)
{
    SelectionFixture f;
    f.report.setEditing(true);
    f.report.setWholeModes(true, false);
    f.sel.setSelectedCell(1, 1, 1, 1);
    EXPECT_FALSE(f.report.editing());
    EXPECT_FALSE(f.report.wholeColumnMode());
    EXPECT_EQ(f.hooks.join(' '), "commit frame focus prepare");
}

TEST(SetSelectedCell, HighlightsTheRulersOnlyWhenTheyShowPoles)
{
    for (int poleVisible : {0, 1}) {
        SelectionFixture f;
        f.report.setPoleVisibleValue(poleVisible);
        f.sel.setSelectedCell(2, 3, 4, 5);
        EXPECT_EQ(f.report.colRuler().isSelected(2), poleVisible > 0);
        EXPECT_EQ(f.report.rowRuler().isSelected(4), poleVisible > 0);
        EXPECT_FALSE(f.report.colRuler().isSelected(4));
        if (poleVisible) {
            f.sel.setSelectedCell(-1, -1, -1, -1);
            EXPECT_TRUE(f.report.colRuler().selection().isEmpty());
            EXPECT_TRUE(f.report.rowRuler().selection().isEmpty());
        }
    }
}

TEST(SetSelectedCell, ShowsColoursFromTheNewSelection)
{
    SelectionFixture f;
    f.report.setBackColor(1, 1, 0x123456);
    f.sel.setSelectedCell(1, 1, 2, 2);
    EXPECT_EQ(f.report.displayedColor(0, 0), f.report.inputColor());
    EXPECT_EQ(f.report.displayedColor(1, 1), f.report.selectedColor());
    f.sel.setSelectedCell(3, 3, 3, 3);
    EXPECT_EQ(f.report.displayedColor(1, 1), 0x123456u);
    EXPECT_EQ(f.report.displayedColor(0, 0), 0xFFFFFFu);
}

TEST(ReadOnlyMember, MarksEveryCellAndTheReportChanged)
{
    SelectionFixture f;
    f.report.setSaved(true);
    f.sel.setReadOnly(true);
    EXPECT_FALSE(f.report.saved());
    EXPECT_TRUE(f.report.cell(0, 0)->readOnly());
    EXPECT_TRUE(f.report.cell(5, 29)->readOnly());
    EXPECT_EQ(f.hooks.first(), "commit");
    f.sel.setReadOnly(false);
    EXPECT_FALSE(f.report.cell(3, 3)->readOnly());
}

TEST(CornerBoxes, SelectAllAndClearRaiseOnlyWhatChanged)
{
    SelectionFixture f;
    mergeBlock(f.report, 0, 0, 1, 1);
    f.sel.selectAll();
    EXPECT_EQ(f.state(), "sel(0,0,5,29) in(0,0)");
    EXPECT_EQ(f.log.events.join(' '), "Input(1,1) Select(1,1,6,30)");
    f.log.events.clear();
    f.sel.selectAll();
    EXPECT_TRUE(f.log.events.isEmpty());

    f.sel.clearAll();
    EXPECT_EQ(f.state(), "sel(-1,-1,-1,-1) in(-1,-1)");
    EXPECT_EQ(f.log.events.join(' '), "Input(-1,-1) Select(-1,-1,-1,-1)");
    f.log.events.clear();
    f.sel.clearAll();
    EXPECT_TRUE(f.log.events.isEmpty());
}

TEST(CornerBoxes, SelectAllOnAReportWithoutCellsSelectsNothing)
{
    for (auto [cols, rows] : {std::pair{0, 0}, std::pair{0, 4}, std::pair{4, 0}}) {
        SelectionFixture f;
        f.report.newReport(cols, rows);
        f.sel.selectAll();
        EXPECT_FALSE(f.report.hasSelection());
        EXPECT_TRUE(f.log.events.isEmpty());
    }
}

TEST(PoleLine, SelectsTheWholeLineGrownWithItsFirstCellAsInput)
{
    SelectionFixture f;
    mergeBlock(f.report, 0, 0, 1, 1);
    ASSERT_TRUE(f.sel.selectPoleLine(Orientation::Horizontal, 1));
    EXPECT_EQ(f.state(), "sel(0,0,1,29) in(0,0)"); // B1 is covered: its master A1
    EXPECT_TRUE(f.report.wholeColumnMode());
    EXPECT_FALSE(f.report.wholeRowMode());

    ASSERT_TRUE(f.sel.selectPoleLine(Orientation::Vertical, 4));
    EXPECT_EQ(f.state(), "sel(0,4,5,4) in(0,4)");
    EXPECT_TRUE(f.report.wholeRowMode());

    f.report.newReport(3, 0);
    EXPECT_FALSE(f.sel.selectPoleLine(Orientation::Horizontal, 1));
    EXPECT_FALSE(f.report.hasSelection());
}

TEST(Reentrancy, AHandlerThatReplacesTheReportEndsTheOperation)
{
    SelectionFixture f;
    f.log.onEvent = [&](const QString &e) {
        if (e.startsWith("Input"))
            f.report.newReport(2, 2);
    };
    f.sel.setSelectedCell(4, 4, 5, 5);
    // The selection event would report a rectangle of a report that is gone.
    EXPECT_EQ(f.log.events.join(' '), "Input(4,4)");
    EXPECT_FALSE(f.report.hasSelection());
}

TEST(Reentrancy, ValidatesAfterFinishingInput)
{
    SelectionFixture f;
    // Finishing input runs caption handlers, which may shrink the report.
    f.answers.commitInput = [&] { f.report.newReport(2, 2); };
    f.sel.setSelectedCell(4, 4, 5, 5);
    EXPECT_FALSE(f.report.hasSelection());
    EXPECT_TRUE(f.log.events.isEmpty());
}
