#include "LayoutFixture.h"

#include "grid/layout/WheelAccumulator.h"

#include <gtest/gtest.h>

using namespace cellvex;
using cellvex::test::View;

TEST(WheelAccumulator, SeveralNotchesMakeOneStep)
{
    struct Case
    {
        const char *what;
        int position, displayCount, poleCount;
        std::vector<int> deltas;
        std::vector<int> steps; // answer after each delta
        std::int64_t rest;      // accumulated afterwards
    };
    const Case cases[] = {
        {"four notches towards the user wait, the fifth steps",
         5,
         10,
         100,
         {-120, -120, -120, -120, -120},
         {0, 0, 0, 0, 1},
         0},
        {"five notches away step back", 5, 10, 100, {120, 120, 120, 120, 120}, {0, 0, 0, 0, -1}, 0},
        {"back and forth cancels out",
         5,
         10,
         100,
         {-120, -120, 120, 120, -120, -120, -120, -120, -120},
         {0, 0, 0, 0, 0, 0, 0, 0, 1},
         0},
        {"a fine wheel adds up the same", 5, 10, 100, std::vector<int>(40, -15),
         [] {
             std::vector<int> s(40, 0);
             s.back() = 1;
             return s;
         }(),
         0},
        {"one large delta steps at once", 5, 10, 100, {600}, {-1}, 0},
        {"at the first pole turning away empties it", 1, 10, 100, {-120, -120, 120}, {0, 0, 0}, 0},
        {"with the last pole shown turning on empties it", 91, 10, 100, {120, -120}, {0, 0}, 0},
        {"just before the end still collects", 90, 10, 100, {-120, -120}, {0, 0}, -240},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        WheelAccumulator w;
        std::vector<int> steps;
        for (int d : c.deltas)
            steps.push_back(w.add(d, c.position, c.displayCount, c.poleCount));
        EXPECT_EQ(steps, c.steps);
        EXPECT_EQ(w.value(), c.rest);
    }
}

TEST(ScrollController, WheelScrollsRowsOrColumnsWhenAllRowsFit)
{
    // Rows do not all fit: the wheel scrolls rows, one per five notches.
    View rows(20, 30, 500, 400);
    for (int i = 0; i < 4; ++i)
        rows.scroll.wheel(-120);
    EXPECT_EQ(rows.scroll.topIndex(), 1);
    rows.scroll.wheel(-120);
    EXPECT_EQ(rows.scroll.topIndex(), 2);
    EXPECT_EQ(rows.scroll.leftIndex(), 1);
    EXPECT_EQ(rows.take(), QStringList{"top 2"});

    // Scrolled down so that the remaining rows fit: still rows, the bar's
    // maximum (30) is not its page, and the wheel goes back up.
    rows.scroll.setTopIndex(10);
    rows.take();
    for (int i = 0; i < 5; ++i)
        rows.scroll.wheel(120);
    EXPECT_EQ(rows.scroll.topIndex(), 9);

    // All rows fit: the same wheel scrolls columns.
    View cols(20, 30, 500, 1000);
    for (int i = 0; i < 5; ++i)
        cols.scroll.wheel(-120);
    EXPECT_EQ(cols.scroll.leftIndex(), 2);
    EXPECT_EQ(cols.scroll.topIndex(), 1);
    EXPECT_EQ(cols.take(), QStringList{"left 2"});
}
