#include "chart/AxisTicks.h"
#include "chart/TickFitter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace cellvex;

namespace {

QStringList labelsOf(const TickSet &set)
{
    QStringList out;
    for (const QString &l : set.labels)
        out << l;
    return out;
}

} // namespace

TEST(AxisTicks, LinearRangesRoundOutToNiceSteps)
{
    struct Row
    {
        double lo, hi;
        int most;
        double min, max;
        const char *labels;
    };
    const Row rows[] = {
        {0, 10, 5, 0, 10, "0,2,4,6,8,10"},
        {0.1, 0.3, 5, 0.1, 0.3, "0.10,0.15,0.20,0.25,0.30"},
        {0, 0.3, 3, 0, 0.3, "0,0.1,0.2,0.3"},
        {-7, 23, 4, -10, 30, "-10,0,10,20,30"},
        {3, 97, 10, 0, 100, "0,10,20,30,40,50,60,70,80,90,100"},
        {0.001, 0.0042, 4, 0.001, 0.005, "0.001,0.002,0.003,0.004,0.005"},
        {1234, 5678, 5, 1000, 6000, "1000,2000,3000,4000,5000,6000"},
        {-0.5, -0.1, 4, -0.5, -0.1, "-0.5,-0.4,-0.3,-0.2,-0.1"},
    };
    for (const Row &r : rows) {
        const TickSet set = AxisTicks::linear(r.lo, r.hi, r.most);
        const QStringList labels = labelsOf(set);
        EXPECT_LE(set.min, r.lo) << r.lo << ".." << r.hi;
        EXPECT_GE(set.max, r.hi) << r.lo << ".." << r.hi;
        EXPECT_LE(int(set.ticks.size()) - 1, r.most) << r.lo << ".." << r.hi;
        EXPECT_DOUBLE_EQ(set.min, r.min) << r.lo << ".." << r.hi;
        EXPECT_DOUBLE_EQ(set.max, r.max) << r.lo << ".." << r.hi;
        // One number of decimals along an axis.
        EXPECT_EQ(labels.join(','), QString::fromLatin1(r.labels)) << r.lo << ".." << r.hi;
    }
}

TEST(AxisTicks, LabelsCarryNoFloatingNoise)
{
    // Sums of 0.1 steps are not exact in binary; the labels must not show it.
    for (auto [lo, hi, most] : {std::tuple{0.0, 1.0, 10}, {0.0, 0.7, 7}, {-0.3, 0.3, 6}, {1e-7, 9e-7, 8}}) {
        const TickSet set = AxisTicks::linear(lo, hi, most);
        for (const QString &label : set.labels) {
            EXPECT_LE(label.size(), 8) << label.toStdString();
            EXPECT_FALSE(label.contains(QStringLiteral("0000"))) << label.toStdString();
            EXPECT_NE(label, QStringLiteral("-0"));
        }
    }
    EXPECT_EQ(AxisTicks::linearLabel(0.1 + 0.2, 0.1), QStringLiteral("0.3"));
    EXPECT_EQ(AxisTicks::linearLabel(-1e-17, 0.1), QStringLiteral("0"));
    EXPECT_EQ(AxisTicks::linearLabel(2.5, 0.5), QStringLiteral("2.5"));
    EXPECT_EQ(AxisTicks::linearLabel(1500, 500), QStringLiteral("1500"));
}

TEST(AxisTicks, DegenerateLinearRanges)
{
    struct Row
    {
        double lo, hi;
        int most;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const Row rows[] = {
        {5, 5, 5},          {0, 0, 5},      {-3, -3, 5}, {nan, 1, 5}, {0, inf, 5},         {10, 0, 5},
        {-1e308, 1e308, 5}, {0, 1e-300, 5}, {1, 2, 0},   {1, 2, -5},  {1e15, 1e15 + 1, 5}, {0, 1, 1000000},
    };
    for (const Row &r : rows) {
        const TickSet set = AxisTicks::linear(r.lo, r.hi, r.most);
        EXPECT_TRUE(std::isfinite(set.min) && std::isfinite(set.max)) << r.lo << ".." << r.hi;
        EXPECT_LT(set.min, set.max) << r.lo << ".." << r.hi;
        EXPECT_GE(set.ticks.size(), 2u) << r.lo << ".." << r.hi;
        EXPECT_LE(set.ticks.size(), 1001u) << r.lo << ".." << r.hi;
        EXPECT_EQ(set.ticks.size(), set.labels.size());
        for (size_t i = 1; i < set.ticks.size(); ++i)
            EXPECT_LT(set.ticks[i - 1], set.ticks[i]) << r.lo << ".." << r.hi;
    }
    // A flat range keeps its value inside, away from the edges.
    const TickSet flat = AxisTicks::linear(5, 5, 5);
    EXPECT_LT(flat.min, 5);
    EXPECT_GT(flat.max, 5);
}

TEST(AxisTicks, LogarithmicTicksAtPowers)
{
    struct Row
    {
        double lo, hi, base;
        int most;
        const char *labels;
    };
    const Row rows[] = {
        {1, 1000, 10, 10, "1,10,100,1000"},           {3, 700, 10, 10, "1,10,100,1000"},
        {0.002, 0.5, 10, 10, "0.001,0.01,0.1,1"},     {5, 5, 10, 10, "1,10"},
        {1, 1e8, 10, 4, "1,100,10000,1000000,1e+08"}, {1, 100, 2, 10, "1,2,4,8,16,32,64,128"},
        {1, 1e12, 10, 3, "1,10000,1e+08,1e+12"},
    };
    for (const Row &r : rows) {
        const TickSet set = AxisTicks::logarithmic(r.lo, r.hi, r.base, r.most);
        EXPECT_EQ(labelsOf(set).join(','), QString::fromLatin1(r.labels)) << r.lo << ".." << r.hi;
        EXPECT_LE(set.min, r.lo);
        EXPECT_GE(set.max, r.hi);
        EXPECT_EQ(set.min, set.ticks.front());
        EXPECT_EQ(set.max, set.ticks.back());
    }
    // Between ticked powers, the multiples: 2..9, 20..90.
    const TickSet minor = AxisTicks::logarithmic(1, 100, 10, 10);
    ASSERT_EQ(minor.minorTicks.size(), 16u);
    EXPECT_EQ(minor.minorTicks.front(), 2);
    EXPECT_EQ(minor.minorTicks[8], 20);
    EXPECT_EQ(minor.minorTicks.back(), 90);
    // Every other power ticked: no minor ticks (they would not be 2..9 of a decade).
    EXPECT_TRUE(AxisTicks::logarithmic(1, 1e8, 10, 4).minorTicks.empty());
    // Powers of ten are the exact decimal values, not pow's neighbours.
    const TickSet small = AxisTicks::logarithmic(0.001, 0.1, 10, 10);
    EXPECT_EQ(small.ticks.front(), 0.001);
}

TEST(AxisTicks, DegenerateLogarithmicRanges)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (auto [lo, hi, base] : {std::tuple{0.0, 10.0, 10.0},
                                {-5.0, -1.0, 10.0},
                                {nan, nan, 10.0},
                                {1.0, 100.0, 1.0},
                                {1.0, 100.0, -2.0},
                                {1e-320, 1e308, 10.0},
                                {1.0, 1e300, 1.0001}}) {
        const TickSet set = AxisTicks::logarithmic(lo, hi, base, 8);
        EXPECT_GT(set.min, 0) << lo << ".." << hi << " base " << base;
        EXPECT_LT(set.min, set.max) << lo << ".." << hi << " base " << base;
        EXPECT_TRUE(std::isfinite(set.max));
        EXPECT_LE(set.ticks.size(), 1001u);
    }
}

TEST(TickFitter, HorizontalLabelsThinOutOnShortAxes)
{
    QFont font;
    font.setPixelSize(12);
    const QFontMetricsF fm(font);
    for (double length : {40.0, 80.0, 150.0, 300.0, 800.0}) {
        TickRequest r;
        r.lo = 0;
        r.hi = 123456;
        r.length = length;
        r.horizontal = true;
        const TickSet set = TickFitter::fit(r, fm);
        ASSERT_GE(set.ticks.size(), 2u);
        const double spacing = length / double(set.ticks.size() - 1);
        for (const QString &label : set.labels)
            EXPECT_LT(fm.horizontalAdvance(label), spacing) << length << " " << label.toStdString();
    }
}

TEST(TickFitter, CategoryLabelsKeepEveryNth)
{
    QFont font;
    font.setPixelSize(12);
    const QFontMetricsF fm(font);
    std::vector<QString> labels;
    for (int i = 0; i < 50; ++i)
        labels.push_back(QStringLiteral("Month %1").arg(i + 1));
    TickRequest r;
    r.lo = -0.5;
    r.hi = 49.5;
    r.category = true;
    r.categoryLabels = &labels;
    r.length = 300;
    const TickSet set = TickFitter::fit(r, fm);
    ASSERT_GE(set.ticks.size(), 2u);
    EXPECT_LT(set.ticks.size(), 50u);
    EXPECT_EQ(set.labels.front(), QStringLiteral("Month 1"));
    const double spacing = 300.0 / 50 * (set.ticks[1] - set.ticks[0]);
    EXPECT_GT(spacing, fm.horizontalAdvance(QStringLiteral("Month 50")));
    r.length = 5000;
    EXPECT_EQ(TickFitter::fit(r, fm).ticks.size(), 50u);
}

TEST(TickFitter, VerticalRangesHugTheDataAtEveryHeight)
{
    QFont font;
    font.setPixelSize(11);
    const QFontMetricsF fm(font);
    struct Row
    {
        double length, hi, max; // max: the highest the rounded range may reach
        size_t fewestTicks;
    };
    const Row rows[] = {
        {47, 27.1, 30, 3},  // a chart in a small cell: steps of 10, not one step to 50
        {240, 27.1, 30, 4}, // steps of 5 rather than 10
        {520, 27.1, 30, 6}, // not a tick every few pixels
        {120, 0.83, 1, 3},  // fractions too
        {300, 9400, 10000, 4},
    };
    for (const Row &r : rows) {
        TickRequest req;
        req.lo = 0;
        req.hi = r.hi;
        req.length = r.length;
        req.horizontal = false;
        const TickSet set = TickFitter::fit(req, fm);
        EXPECT_LE(set.max, r.max + 1e-9) << r.length << " " << r.hi;
        EXPECT_GE(set.max, r.hi) << r.length << " " << r.hi;
        EXPECT_GE(set.ticks.size(), r.fewestTicks) << r.length << " " << r.hi;
        const double spacing = r.length / double(set.ticks.size() - 1);
        EXPECT_GE(spacing, fm.ascent()) << r.length << " " << r.hi;
        EXPECT_GE(spacing, std::min(25.0, r.length / 3)) << r.length << " " << r.hi;
    }
}

TEST(TickFitter, AFlatRangeGetsAReadableBand)
{
    QFont font;
    font.setPixelSize(11);
    const QFontMetricsF fm(font);
    for (double value : {7.0, 0.0, -250.0, 1e-9}) {
        for (bool horizontal : {false, true}) {
            TickRequest r;
            r.lo = r.hi = value;
            r.length = 200;
            r.horizontal = horizontal;
            const TickSet set = TickFitter::fit(r, fm);
            EXPECT_LT(set.min, value) << value;
            EXPECT_GT(set.max, value) << value;
            // Not a tick every dozen pixels because one value has no span.
            EXPECT_LE(set.ticks.size(), 9u) << value << " " << horizontal;
            EXPECT_GE(set.ticks.size(), 3u) << value << " " << horizontal;
        }
    }
}
