#include "LayoutFixture.h"

#include <gtest/gtest.h>

#include <climits>

using namespace cellvex;
using cellvex::test::View;

namespace {

struct RangeCase
{
    const char *what;
    int rows;
    int height;
    int top; // scrolled here first
    int displayCount, maximum, pageSize, largeStep, limit;
};

} // namespace

TEST(ScrollAxis, RangesFollowTheRowRuler)
{
    // Rows are 19 pixels; the page is DisplayCount d when d >= 2, else 1.
    const RangeCase cases[] = {
        {"400 px view: 21 rows fit, last 21 rows fit", 30, 400, 1, 21, 30, 21, 20, 10},
        {"scrolled to the end", 30, 400, 30, 21, 30, 21, 20, 10},
        {"all rows fit", 30, 1000, 1, 30, 30, 30, 29, 1},
        {"two rows fit", 30, 40, 1, 2, 30, 2, 1, 29},
        {"one row fits", 30, 30, 1, 1, 30, 1, 1, 30},
        {"no row fits: the last still counts as one", 30, 10, 1, 0, 30, 1, 1, 30},
        {"a single row", 1, 400, 1, 1, 1, 1, 1, 1},
        {"no rows", 0, 400, 1, 0, 1, 1, 1, 1},
        {"a long report", 1000000, 400, 500000, 21, 1000000, 21, 20, 1000000 - 21 + 1},
    };
    for (const RangeCase &c : cases) {
        SCOPED_TRACE(c.what);
        View v(6, c.rows, 500, c.height);
        v.scroll.setTopIndex(c.top);
        const ScrollAxis &y = v.scroll.y();
        EXPECT_EQ(v.scroll.displayCountY(), c.displayCount);
        EXPECT_EQ(y.minimum(), 1);
        EXPECT_EQ(y.maximum(), c.maximum);
        EXPECT_EQ(y.pageSize(), c.pageSize);
        EXPECT_EQ(y.largeStep(), c.largeStep);
        EXPECT_EQ(y.limit(), c.limit);
        EXPECT_EQ(v.scroll.topIndex(), std::min(c.top, c.limit));
    }
}

TEST(ScrollAxis, RangesFollowTheColumnRuler)
{
    View v(10, 30, 500, 400); // six 80-pixel columns fit in 500
    EXPECT_EQ(v.scroll.displayCountX(), 6);
    EXPECT_EQ(v.scroll.x().maximum(), 10);
    EXPECT_EQ(v.scroll.x().pageSize(), 6);
    EXPECT_EQ(v.scroll.x().largeStep(), 5);
    EXPECT_EQ(v.scroll.x().limit(), 5);
}

TEST(ScrollAxis, PutsAreLimitedAndReportOnlyChanges)
{
    struct Put
    {
        std::int64_t value;
        int expected;
        QStringList events;
    };
    View v(6, 30, 500, 400);
    const Put puts[] = {
        {30, 10, {"top 10"}},                    // limited to RowCount - LastCount + 1
        {30, 10, {}},                            // no change, no event
        {12, 10, {}},                            // past the limit from the limit: no change
        {5, 5, {"top 5"}},    {0, 1, {"top 1"}}, // below the minimum
        {-5, 1, {}},          {INT_MAX, 10, {"top 10"}}, {INT_MIN, 1, {"top 1"}},
    };
    for (const Put &p : puts) {
        SCOPED_TRACE(p.value);
        v.scroll.setTopIndex(p.value);
        EXPECT_EQ(v.scroll.topIndex(), p.expected);
        EXPECT_EQ(v.report.rowRuler().displayIndex(), p.expected - 1);
        EXPECT_EQ(v.take(), p.events);
    }

    View h(10, 30, 500, 400);
    h.scroll.setLeftIndex(1000);
    EXPECT_EQ(h.scroll.leftIndex(), 5);
    EXPECT_EQ(h.take(), QStringList{"left 5"});
    h.scroll.setLeftIndex(0);
    EXPECT_EQ(h.scroll.leftIndex(), 1);
    h.scroll.setLeftIndex(-5);
    EXPECT_EQ(h.take(), QStringList{"left 1"});
    // The scroll offset is the leading edge of the first displayed pole.
    h.scroll.setLeftIndex(3);
    EXPECT_EQ(h.report.colRuler().scrollOffset(), 160);
}

TEST(ScrollAxis, PagesMoveByOneLessThanTheDisplayCount)
{
    View v(6, 100, 500, 400); // 21 rows in view, limit 80
    ScrollAxis &y = v.scroll.y();
    const struct
    {
        bool forward;
        int expected;
    } steps[] = {{true, 21}, {true, 41}, {false, 21}, {false, 1}, {false, 1}};
    for (const auto &s : steps) {
        s.forward ? y.pageForward() : y.pageBack();
        EXPECT_EQ(y.position(), s.expected);
    }
    v.scroll.setTopIndex(75);
    y.pageForward();
    EXPECT_EQ(y.position(), 80); // the page stops at the limit

    // With less than two rows in view a page is one row.
    View small(6, 100, 500, 30);
    small.scroll.y().pageForward();
    EXPECT_EQ(small.scroll.topIndex(), 2);
}

TEST(ScrollAxis, HostMayScrollFromInsideTheEvent)
{
    View v(6, 100, 500, 400);
    // The host answers every move by going to row 3; the nested put must
    // see the first move finished and leave rulers and position agreeing.
    v.hooks.topChange = [&](int p) {
        v.events << QStringLiteral("top %1").arg(p);
        if (p != 3)
            v.scroll.setTopIndex(3);
    };
    v.scroll.setTopIndex(50);
    EXPECT_EQ(v.take(), (QStringList{"top 50", "top 3"}));
    EXPECT_EQ(v.scroll.topIndex(), 3);
    EXPECT_EQ(v.report.rowRuler().scrollOffset(), 2 * 19);
}

TEST(ScrollController, KeepInViewStepsUntilThePoleShows)
{
    struct Case
    {
        const char *what;
        std::vector<int> ranges;
        int start;
        int pole;
        int expected;
        QStringList events;
    };
    const std::vector<int> ten(10, 80); // 500-pixel view: 6 in view, limit 5
    const Case cases[] = {
        {"already in view", ten, 1, 5, 1, {}},
        {"forward just far enough", ten, 1, 7, 3, {"left 3"}},
        {"back to the pole", ten, 5, 1, 2, {"left 2"}},
        {"past the end stops at the limit", ten, 1, 20, 5, {"left 5"}},
        {"before the start stops at the first", ten, 3, -4, 1, {"left 1"}},
        // A pole wider than the view: the forward loop passes it by one, the
        // backward loop puts it at the leading edge.
        {"wider than the view", {80, 80, 600, 80, 80}, 1, 2, 3, {"left 2", "left 3", "left 4", "left 3"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        View v(int(c.ranges.size()), 30, 500, 400);
        v.report.colRuler().loadFilePole(c.ranges);
        v.scroll.setLeftIndex(c.start);
        v.take();
        v.scroll.keepInView(Orientation::Horizontal, c.pole);
        EXPECT_EQ(v.scroll.leftIndex(), c.expected);
        EXPECT_EQ(v.take(), c.events);
    }
}

TEST(ScrollController, SelectionIsScrolledIntoView)
{
    struct Case
    {
        const char *what;
        QRect selection; // 0-based columns x, rows y; null for none
        int left, top;
    };
    // Ten 80-pixel columns in 500 pixels, a hundred 19-pixel rows in 400.
    const Case cases[] = {
        {"forward only as far as needed", QRect(QPoint(8, 50), QPoint(8, 52)), 4, 33},
        {"back to a start before the view", QRect(QPoint(1, 10), QPoint(1, 10)), 2, 11},
        {"wider than the view: from its first column", QRect(QPoint(2, 10), QPoint(9, 10)), 3, 11},
        {"inside the view: stays", QRect(QPoint(3, 12), QPoint(4, 13)), 3, 11},
        {"nothing selected: stays", QRect(), 3, 11},
    };
    View v(10, 100, 500, 400);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        if (c.selection.isNull())
            v.report.setSelectionRect(-1, -1, -1, -1);
        else
            v.report.setSelectionRect(c.selection.left(), c.selection.top(), c.selection.right(),
                                      c.selection.bottom());
        v.scroll.scrollSelectionIntoView();
        EXPECT_EQ(v.scroll.leftIndex(), c.left);
        EXPECT_EQ(v.scroll.topIndex(), c.top);
    }
}

TEST(ScrollController, GrowingViewportScrollsBack)
{
    struct Case
    {
        const char *what;
        std::vector<int> ranges;
        int startWidth; // scrolled to the limit at this width first
        int width;
        int expected;
        QStringList events;
    };
    const std::vector<int> ten(10, 80);
    // A 4-pixel column before the last five: at 400 pixels the limit is 6 and
    // the surface's right edge (724 + 3 - 324) is 403 pixels into the view.
    const std::vector<int> notch{80, 80, 80, 80, 4, 80, 80, 80, 80, 80};
    const Case cases[] = {
        {"eight columns now fit", ten, 500, 700, 3, {"left 3"}},
        {"shrinking never scrolls", ten, 500, 300, 5, {}},
        {"edge at width - 1: left as it is", notch, 400, 404, 6, {}},
        {"edge left of width - 1: back to the limit", notch, 400, 405, 5, {"left 5"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        View v(int(c.ranges.size()), 30, c.startWidth, 400);
        v.report.colRuler().loadFilePole(c.ranges);
        v.scroll.setLeftIndex(1000);
        v.take();
        v.scroll.viewportResized(c.width, 400);
        EXPECT_EQ(v.scroll.leftIndex(), c.expected);
        EXPECT_EQ(v.take(), c.events);
    }

    // Rows alike: 30 rows at TopIndex 10 in 400 pixels, then 600 pixels.
    View v(6, 30, 500, 400);
    v.scroll.setTopIndex(10);
    v.take();
    v.scroll.viewportResized(500, 600);
    EXPECT_EQ(v.scroll.topIndex(), 1);
    EXPECT_EQ(v.take(), QStringList{"top 1"});
}
