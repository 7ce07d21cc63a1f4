#include "chart/ChartSeries.h"
#include "chart/Chart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

using namespace cellvex;

namespace {

// The y values in the order the points are kept.
std::vector<double> ys(const ChartSeries &s)
{
    std::vector<double> out;
    for (const ChartPoint &p : s.points())
        out.push_back(p.y);
    return out;
}

} // namespace

TEST(ChartSeries, PointsAscendInXAndEqualXKeepTheirOrder)
{
    struct Row
    {
        const char *name;
        std::vector<std::pair<double, double>> added; // x, y
        std::vector<double> expectedY;
    };
    const Row rows[] = {
        {"in order", {{1, 10}, {2, 20}, {3, 30}}, {10, 20, 30}},
        {"reversed", {{3, 30}, {2, 20}, {1, 10}}, {10, 20, 30}},
        {"equal x", {{1, 1}, {1, 2}, {1, 3}}, {1, 2, 3}},
        {"equal x among others", {{2, 1}, {1, 2}, {2, 3}, {0, 4}, {2, 5}}, {4, 2, 1, 3, 5}},
        {"negative x", {{0, 1}, {-5, 2}, {5, 3}, {-5, 4}}, {2, 4, 1, 3}},
    };
    for (const Row &r : rows) {
        ChartSeries s(SeriesKind::Point);
        for (auto [x, y] : r.added)
            s.addXY(x, y);
        EXPECT_EQ(ys(s), r.expectedY) << r.name;
        EXPECT_EQ(s.count(), int(r.added.size())) << r.name;
    }
}

TEST(ChartSeries, PointsAddedAfterAReadMergeStably)
{
    // A read sorts what is there; later points must still go behind the
    // earlier ones of equal x, and ahead of larger x.
    ChartSeries s;
    s.addXY(5, 1);
    s.addXY(1, 2);
    ASSERT_EQ(ys(s), (std::vector<double>{2, 1}));
    s.addXY(5, 3);
    s.addXY(1, 4);
    s.addXY(3, 5);
    EXPECT_EQ(ys(s), (std::vector<double>{2, 4, 5, 1, 3}));
    s.clear();
    EXPECT_EQ(s.count(), 0);
    s.addXY(2, 7);
    s.addXY(1, 8);
    EXPECT_EQ(ys(s), (std::vector<double>{8, 7}));
}

TEST(ChartSeries, NaNXSortsLastWithoutBreakingTheOrder)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    ChartSeries s;
    s.addXY(3, 1);
    s.addXY(nan, 2);
    s.addXY(1, 3);
    s.addXY(nan, 4);
    s.addXY(2, 5);
    EXPECT_EQ(ys(s), (std::vector<double>{3, 5, 1, 2, 4}));
}

TEST(ChartSeries, AddValueUsesTheRunningIndex)
{
    ChartSeries s(SeriesKind::VerticalBar);
    s.addValue(4, QStringLiteral("一月"));
    s.addValue(7, QStringLiteral("二月"));
    s.addValue(-1, QString());
    ASSERT_EQ(s.count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(s.points()[size_t(i)].x, i);
    EXPECT_EQ(s.points()[1].label, QStringLiteral("二月"));
    EXPECT_EQ(s.points()[2].y, -1);
}

TEST(ChartSeries, AMillionPointsInRandomOrder)
{
    // Inserting each point at its place would take minutes; this must not.
    ChartSeries s(SeriesKind::Line);
    std::mt19937 random(7);
    std::uniform_real_distribution<double> any(-1e6, 1e6);
    constexpr int kCount = 1000000;
    for (int i = 0; i < kCount; ++i)
        s.addXY(std::floor(any(random)), i);
    const std::vector<ChartPoint> &points = s.points();
    ASSERT_EQ(points.size(), size_t(kCount));
    for (size_t i = 1; i < points.size(); ++i) {
        ASSERT_LE(points[i - 1].x, points[i].x) << i;
        // Equal x: the one added first (smaller y, the insertion index) first.
        if (points[i - 1].x == points[i].x) {
            ASSERT_LT(points[i - 1].y, points[i].y) << i;
        }
    }
}

TEST(Chart, SeriesColoursAndTruncation)
{
    Chart chart;
    ChartSeries red;
    red.color = QColor(Qt::red);
    chart.addSeries(ChartSeries());
    EXPECT_EQ(chart.addSeries(red), 1);
    chart.addSeries(ChartSeries());
    EXPECT_EQ(chart.seriesColor(1), QColor(Qt::red));
    // Palette colours differ from one series to the next.
    EXPECT_NE(chart.seriesColor(0), chart.seriesColor(2));
    EXPECT_TRUE(chart.seriesColor(-3).isValid());
    EXPECT_TRUE(chart.seriesColor(1000).isValid());
    chart.truncateSeries(1);
    EXPECT_EQ(chart.seriesCount(), 1);
    chart.truncateSeries(5);
    chart.truncateSeries(-2);
    EXPECT_EQ(chart.seriesCount(), 0);
}
