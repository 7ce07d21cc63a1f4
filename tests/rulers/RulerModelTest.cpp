#include "rulers/RulerModel.h"

#include <gtest/gtest.h>

#include <functional>

using namespace cellvex;

namespace {

// A ruler listener whose answers a test sets per case.
struct RulerHooks final : RulerListener
{
    std::function<void(int first, int last)> highlight;
    std::function<void(int count)> displayCount;
    std::function<void(int pole, int addCount)> inserted;
    std::function<void(int pole, int deleteCount, int beforeDelCount, std::int64_t delRange)> deleted;

    void rulerChanged(Orientation) override {}
    void highlightChanged(Orientation, int first, int last) override
    {
        if (highlight)
            highlight(first, last);
    }
    void displayCountChanged(Orientation, int count) override
    {
        if (displayCount)
            displayCount(count);
    }
    void polesInserted(Orientation, int pole, int addCount) override
    {
        if (inserted)
            inserted(pole, addCount);
    }
    void polesDeleted(Orientation, int pole, int deleteCount, int beforeDelCount,
                      std::int64_t delRange) override
    {
        if (deleted)
            deleted(pole, deleteCount, beforeDelCount, delRange);
    }
};

// A horizontal ruler of the given view length with the form's margin of 2.
RulerModel ruler(std::int64_t length, std::vector<int> ranges)
{
    RulerModel r(Orientation::Horizontal);
    r.setMargin(2);
    r.setLength(length);
    r.loadFilePole(ranges);
    return r;
}

} // namespace

TEST(RulerModel, CountBuildsDefaultPoles)
{
    RulerModel h(Orientation::Horizontal), v(Orientation::Vertical);
    h.setCount(6);
    v.setCount(30);
    EXPECT_EQ(h.poleCount(), 6);
    EXPECT_EQ(h.panelRange(5), 80);
    EXPECT_EQ(h.poleLength(5), 78);
    EXPECT_EQ(h.poleEdge(5), 400);
    EXPECT_EQ(v.panelRange(0), 19);
    EXPECT_EQ(v.poleEdge(29), 29 * 19);
    EXPECT_EQ(v.totalLength(), 30 * 19);
}

TEST(RulerModel, DisplayAndLastCounts)
{
    // 500-pixel view, ten poles of 80: the seventh pole ends beyond the view.
    RulerModel r = ruler(500, std::vector<int>(10, 80));
    EXPECT_EQ(r.displayCount(), 6);
    EXPECT_EQ(r.lastCount(), 6);
    r.setDisplayIndex(4);
    EXPECT_EQ(r.scrollOffset(), 320);
    EXPECT_EQ(r.displayCount(), 6);
    r.setDisplayIndex(8);
    EXPECT_EQ(r.displayCount(), 2);

    // A last pole longer than the view still counts as one.
    RulerModel wide = ruler(500, {80, 600});
    EXPECT_EQ(wide.lastCount(), 1);
    // Everything fits.
    RulerModel small = ruler(500, {80, 80});
    EXPECT_EQ(small.displayCount(), 2);
    EXPECT_EQ(small.lastCount(), 2);

    int reported = -1;
    RulerHooks hooks;
    r.setListener(&hooks);
    hooks.displayCount = [&](int c) { reported = c; };
    r.setDisplayIndex(0);
    EXPECT_EQ(reported, 6);
}

TEST(RulerModel, GetDisplayIndexFindsSmallestScroll)
{
    RulerModel r = ruler(500, std::vector<int>(10, 80));
    struct Case
    {
        int displayIndex, first, last, expected;
    } cases[] = {
        {0, 8, 8, 3}, // span 80 and edge 640 need edge(i) >= 220
        {0, 2, 4, 0}, // already in view
        {0, 5, 5, 0}, {0, 6, 6, 1},
        {0, 9, 9, 4}, {5, 2, 2, 2}, // before the current position: scroll back to it
        {0, 0, 9, 0},               // wider than the view: show the first
        {4, 9, 9, 4},               // never before the current position
    };
    for (const Case &c : cases) {
        r.setDisplayIndex(c.displayIndex);
        EXPECT_EQ(r.getDisplayIndex(c.first, c.last), c.expected)
            << "from " << c.displayIndex << " show " << c.first << ".." << c.last;
    }
}

TEST(RulerModel, LoadFilePoleWithHiddenAndShortRanges)
{
    RulerModel r = ruler(500, {80, 0, 80});
    EXPECT_EQ(r.panelRanges(), (std::vector<int>{80, 0, 80}));
    EXPECT_EQ(r.poleEdges(), (std::vector<std::int64_t>{0, 80, 80}));
    EXPECT_EQ(r.poleLength(1), 0);
    EXPECT_EQ(r.splitLength(1), 0);

    // Ranges shorter than the split handle keep their exact range; negative reads as 0.
    RulerModel s = ruler(500, {1, -5, 2, 3});
    EXPECT_EQ(s.panelRanges(), (std::vector<int>{1, 0, 2, 3}));
    EXPECT_EQ(s.splitLength(0), 1);
    EXPECT_EQ(s.poleLength(0), 0);
    EXPECT_EQ(s.poleLength(3), 1);

    // Loading resets the scroll position and the highlight.
    RulerModel t = ruler(100, std::vector<int>(10, 80));
    t.setDisplayIndex(5);
    t.setSelectedRange(1, 2);
    t.loadFilePole({80, 80});
    EXPECT_EQ(t.displayIndex(), 0);
    EXPECT_EQ(t.scrollOffset(), 0);
    EXPECT_TRUE(t.selection().isEmpty());
}

TEST(RulerModel, SetPoleRangeHidesAndRestores)
{
    RulerModel r = ruler(500, std::vector<int>(4, 80));
    r.setPoleRange(1, 0);
    EXPECT_EQ(r.panelRange(1), 0);
    EXPECT_EQ(r.poleEdge(2), 80);
    EXPECT_EQ(r.poleEdge(3), 160);
    r.setPoleRange(1, 80);
    EXPECT_EQ(r.poleLength(1), 78);
    EXPECT_EQ(r.splitLength(1), 2);
    EXPECT_EQ(r.poleEdge(3), 240);
    r.setPoleRange(3, 1);
    EXPECT_EQ(r.panelRange(3), 1);
    EXPECT_EQ(r.totalLength(), 241);
}

TEST(RulerModel, InsertPoleShiftsFacesAndKeepsSplitsByPosition)
{
    RulerModel r = ruler(500, {50, 60, 70});
    int evPole = -1, evCount = -1;
    RulerHooks hooks;
    r.setListener(&hooks);
    hooks.inserted = [&](int p, int c) {
        evPole = p;
        evCount = c;
    };
    r.insertPole(1, 2);
    EXPECT_EQ(evPole, 1);
    EXPECT_EQ(evCount, 2);
    EXPECT_EQ(r.panelRanges(), (std::vector<int>{50, 80, 80, 60, 70}));
    r.insertPole(5, 1); // appends
    EXPECT_EQ(r.panelRange(5), 80);
    EXPECT_EQ(r.poleEdge(5), 340);

    // Split handles stay with their positions: a hidden pole pushed along
    // takes the handle of its new position, the new pole takes its old one.
    RulerModel h = ruler(500, {80, 0, 80});
    h.insertPole(1, 1);
    EXPECT_EQ(h.panelRanges(), (std::vector<int>{80, 78, 2, 80}));
}

TEST(RulerModel, DeletePoleReportsRangeAndClearsHighlight)
{
    RulerModel r = ruler(500, {50, 60, 70, 80});
    r.setSelectedRange(0, 3);
    int p = -1, c = -1, before = -1;
    std::int64_t range = -1;
    RulerHooks hooks;
    r.setListener(&hooks);
    hooks.deleted = [&](int a, int b, int d, std::int64_t e) {
        p = a;
        c = b;
        before = d;
        range = e;
    };
    r.deletePole(1, 2);
    EXPECT_EQ(p, 1);
    EXPECT_EQ(c, 2);
    EXPECT_EQ(before, 4);
    EXPECT_EQ(range, 130);
    EXPECT_EQ(r.panelRanges(), (std::vector<int>{50, 80}));
    EXPECT_EQ(r.poleEdge(1), 50);
    EXPECT_TRUE(r.selection().isEmpty());
    // Deleting past the end takes what is there; bad indices change nothing.
    r.deletePole(1, 10);
    EXPECT_EQ(r.poleCount(), 1);
    r.deletePole(5, 1);
    r.insertPole(7, 1);
    EXPECT_EQ(r.poleCount(), 1);
}

TEST(RulerModel, EmptyRulerIsSafe)
{
    RulerModel r = ruler(500, {});
    EXPECT_EQ(r.displayCount(), 0);
    EXPECT_EQ(r.lastCount(), 0);
    r.setDisplayIndex(3);
    EXPECT_EQ(r.displayIndex(), 0);
    EXPECT_EQ(r.getDisplayIndex(0, 0), 0);
    EXPECT_EQ(r.poleAtOffset(0), -1);
    EXPECT_EQ(r.totalLength(), 0);
}

TEST(RulerModel, PoleAtOffsetSkipsHiddenPoles)
{
    RulerModel r = ruler(500, {80, 0, 0, 80, 19});
    const std::pair<std::int64_t, int> cases[] = {{-1, -1}, {0, 0},   {79, 0},  {80, 3},
                                                  {159, 3}, {160, 4}, {178, 4}, {179, -1}};
    for (auto [offset, pole] : cases)
        EXPECT_EQ(r.poleAtOffset(offset), pole) << offset;
}

TEST(RulerModel, SetMoveSelectedTouchesOnlyChangedPoles)
{
    RulerModel r = ruler(500, std::vector<int>(20, 80));
    r.setSelectedRange(5, 8);
    std::vector<std::pair<int, int>> touched;
    RulerHooks hooks;
    r.setListener(&hooks);
    hooks.highlight = [&](int a, int b) { touched.emplace_back(a, b); };
    r.setMoveSelected(7, 10); // 5..6 leave, 9..10 enter
    EXPECT_EQ(touched, (std::vector<std::pair<int, int>>{{5, 6}, {9, 10}}));
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(r.isSelected(i), i >= 7 && i <= 10) << i;
    touched.clear();
    r.setMoveSelected(3, 12); // grows on both sides
    EXPECT_EQ(touched, (std::vector<std::pair<int, int>>{{3, 6}, {11, 12}}));
    touched.clear();
    r.setMoveSelected(12, 12);
    EXPECT_EQ(touched, (std::vector<std::pair<int, int>>{{3, 11}}));

    r.setSelected({2, 4, 3, 9});
    EXPECT_EQ(r.selection().indices(), (std::vector<int>{2, 3, 4, 9}));
}

TEST(RulerModel, LongRulerEdgesStayExact)
{
    // A million rows of the default height, then a change near the end.
    RulerModel r(Orientation::Vertical);
    r.setLength(400);
    r.loadFilePole(std::vector<int>(1000000, 19));
    EXPECT_EQ(r.totalLength(), 19000000);
    r.setPoleRange(999998, 100);
    EXPECT_EQ(r.poleEdge(999999), 999998LL * 19 + 100);
    EXPECT_EQ(r.poleAtOffset(999998LL * 19 + 99), 999998);
    EXPECT_EQ(r.lastCount(), 16); // 19 + 100 + 15 * 19 = 404 passes 400 at the 17th pole from the end
}
