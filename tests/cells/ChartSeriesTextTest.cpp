#include "cells/ChartSeriesText.h"
#include "common/ReportError.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace cellvex;

namespace {

std::optional<ChartSeriesSet> build(int type, const char *sign, const char *data, bool readOnly = false)
{
    return buildChartSeries(type, QString::fromUtf8(sign), QString::fromUtf8(data), readOnly);
}

} // namespace

TEST(ChartSeriesText, StyleTokensReachTheSeriesTheyName)
{
    // 255 is red as 0x00BBGGRR; pen style 2 dashes; width 2; "00" bottom and left.
    const auto line = build(1, "3,255,2,2,00", "1,5,2,7,3,6");
    ASSERT_TRUE(line);
    ASSERT_EQ(line->series.size(), 1u);
    const ChartSeries &s = line->series[0];
    EXPECT_EQ(s.kind(), SeriesKind::Line);
    ASSERT_TRUE(s.color.has_value());
    EXPECT_EQ(*s.color, QColor(255, 0, 0));
    EXPECT_EQ(s.penStyle, ChartPenStyle::Dash);
    EXPECT_EQ(s.penWidth, 2);
    EXPECT_FALSE(s.onTopAxis);
    EXPECT_FALSE(s.onRightAxis);
    ASSERT_EQ(s.count(), 3);
    EXPECT_EQ(s.points()[1].x, 2);
    EXPECT_EQ(s.points()[1].y, 7);

    // Tokens left off keep the defaults.
    const auto plain = build(1, "3", "1,5,2,7,3,6");
    ASSERT_TRUE(plain);
    EXPECT_FALSE(plain->series[0].color.has_value());
    EXPECT_EQ(plain->series[0].penStyle, ChartPenStyle::Solid);

    // Points: colour, marker width, height, style (7 star), axes.
    const auto points = build(5, "2, 65280 ,6,5,7,11", "1,1,2,2");
    ASSERT_TRUE(points);
    const ChartSeries &p = points->series[0];
    EXPECT_EQ(*p.color, QColor(0, 255, 0)); // tokens are trimmed
    EXPECT_EQ(p.markerWidth, 6);
    EXPECT_EQ(p.markerHeight, 5);
    EXPECT_EQ(p.markerStyle, MarkerStyle::Star);
    EXPECT_TRUE(p.onTopAxis);
    EXPECT_TRUE(p.onRightAxis);

    // Out-of-range styles and non-digit tokens keep the defaults; an empty
    // token is present and skipped, the next one still applies.
    const auto odd = build(1, "2,red,9,,01", "1,1,2,2");
    ASSERT_TRUE(odd);
    EXPECT_FALSE(odd->series[0].color.has_value());
    EXPECT_EQ(odd->series[0].penStyle, ChartPenStyle::Solid);
    EXPECT_EQ(odd->series[0].penWidth, 1);
    EXPECT_FALSE(odd->series[0].onTopAxis);
    EXPECT_TRUE(odd->series[0].onRightAxis);
}

TEST(ChartSeriesText, AxesTokens)
{
    struct Case
    {
        const char *token;
        bool top, right;
    } cases[] = {{"00", false, false}, {"01", false, true}, {"10", true, false},
                 {"11", true, true},   {"0", false, true},  {"", false, false}};
    for (const Case &c : cases) {
        const QString sign = QStringLiteral("1,0,0,%1").arg(QString::fromLatin1(c.token));
        const auto bars = buildChartSeries(2, sign, QStringLiteral("1,a"), false);
        ASSERT_TRUE(bars) << c.token;
        EXPECT_EQ(bars->series[0].onTopAxis, c.top) << c.token;
        EXPECT_EQ(bars->series[0].onRightAxis, c.right) << c.token;
    }
}

TEST(ChartSeriesText, ValueSeriesKeepTheirLabelsAsTheyStand)
{
    const auto bars = build(2, "2,,1", "5,一月,7, 二月");
    ASSERT_TRUE(bars);
    const ChartSeries &s = bars->series[0];
    EXPECT_EQ(s.kind(), SeriesKind::VerticalBar);
    EXPECT_TRUE(s.marksVisible);
    ASSERT_EQ(s.count(), 2);
    EXPECT_EQ(s.points()[0].y, 5);
    EXPECT_EQ(s.points()[0].label, QStringLiteral("一月"));
    EXPECT_EQ(s.points()[1].label, QStringLiteral(" 二月"));
    const auto pie = build(6, "1,0", "3,甲");
    ASSERT_TRUE(pie);
    EXPECT_EQ(pie->series[0].kind(), SeriesKind::Pie);
    EXPECT_FALSE(pie->series[0].marksVisible);
}

TEST(ChartSeriesText, TextsThatDescribeNoSeriesAddNothing)
{
    struct Case
    {
        int type;
        const char *sign, *data;
    } cases[] = {
        {1, "3", "1,5,2,7"},                               // two pairs for three
        {1, "", "1,5"},                                    // no count
        {1, "3a", "1,5,2,7,3,6"},                          // count not digits only
        {1, "-1", "1,5"},                                  // ... nor signed
        {1, "1", "1,x"},                                   // a value that is no number
        {1, "1", "1,1e999"},                               // not finite: no number either
        {2, "1", "abc,label"},                             // the value of a value pair
        {0, "1", "1,1"},                                   // types outside 1-11
        {12, "1", "1,1"},         {8, "2", "1,1,2,2"},     // the fitted types need terms
        {11, "2,x", "1,1,2,2"},   {9, "2", "1,1,2,2@1,1"}, // the curve list is short
        {10, "2", "1,1@1,1,2,2"},                          // the marker list is short
    };
    for (const Case &c : cases)
        EXPECT_FALSE(build(c.type, c.sign, c.data)) << c.type << " " << c.sign << " " << c.data;
}

TEST(ChartSeriesText, UnreadableValuesFailTheCall)
{
    struct Case
    {
        int type;
        const char *sign, *data;
    } cases[] = {
        {1, "1", ".,1"}, // looks numeric, is no number
        {1, "1", "1,1e"},
        {1, "1,2147483648", "1,1"},    // colour beyond 32 bits
        {1, "2147483648", "1,1"},      // count beyond 32 bits
        {1, "1000001", "1,1"},         // count beyond the cap
        {5, "1,0,99999999999", "1,1"}, // marker size beyond 32 bits
    };
    for (const Case &c : cases)
        EXPECT_THROW(build(c.type, c.sign, c.data), ReportError) << c.sign << " " << c.data;
    // Widths within 32 bits are capped rather than refused.
    const auto wide = build(1, "1,0,0,2000000000", "1,1");
    ASSERT_TRUE(wide);
    EXPECT_LE(wide->series[0].penWidth, 64);
}

TEST(ChartSeriesText, CurvesAreSampledBetweenTheirEnds)
{
    // A spline through points given out of order: sorted first.
    const auto spline = build(7, "3", "2,0,0,0,1,1");
    ASSERT_TRUE(spline);
    const ChartSeries &s = spline->series[0];
    ASSERT_EQ(s.count(), 1001);
    EXPECT_DOUBLE_EQ(s.points().front().x, 0);
    EXPECT_DOUBLE_EQ(s.points().back().x, 2);
    EXPECT_DOUBLE_EQ(s.points()[250].y, 0.6875); // the natural spline at 0.5
    EXPECT_NEAR(s.points()[500].y, 1, 1e-12);

    // Two equal x: the series is there, its line empty; so is one point.
    const auto equal = build(7, "2", "1,1,1,2");
    ASSERT_TRUE(equal);
    EXPECT_EQ(equal->series[0].count(), 0);
    const auto single = build(7, "1", "1,1");
    ASSERT_TRUE(single);
    EXPECT_EQ(single->series[0].count(), 0);
    const auto lonely = build(8, "1,3", "1,1");
    ASSERT_TRUE(lonely);
    EXPECT_EQ(lonely->series[0].count(), 0);
    EXPECT_EQ(lonely->series[1].count(), 1);
}

TEST(ChartSeriesText, FittedCurvesHaveTheirTermsClamped)
{
    // Terms 9 count as 6: a quadratic through three points is recovered.
    const auto six = build(8, "3,9", "1,1,2,4,3,9");
    ASSERT_TRUE(six);
    ASSERT_EQ(six->series.size(), 2u);
    EXPECT_EQ(six->series[1].kind(), SeriesKind::Point);
    EXPECT_EQ(six->series[1].count(), 3);
    EXPECT_FALSE(six->series[1].reportsPointPresses); // type 8 markers stay put
    const ChartSeries &curve = six->series[0];
    ASSERT_EQ(curve.count(), 1001);
    for (int k : {0, 137, 500, 1000}) {
        const double t = curve.points()[size_t(k)].x;
        EXPECT_NEAR(curve.points()[size_t(k)].y, t * t, 1e-6) << k;
    }
    // Terms 1 count as 2: the least-squares line y = 1.5x - 1/6.
    const auto line = build(8, "3,001", "0,0,1,1,2,3");
    ASSERT_TRUE(line);
    EXPECT_NEAR(line->series[0].points().front().y, -1.0 / 6, 1e-12);
    EXPECT_NEAR(line->series[0].points().back().y, 3 - 1.0 / 6, 1e-12);
}

TEST(ChartSeriesText, AdjustableTypesStoreBothLists)
{
    const auto plain = build(9, "2", "1,1,2,2");
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->storedData, QStringLiteral("1,1,2,2,@1,1,2,2"));
    const auto both = build(10, "2", "1,1,2,2@1,3,2,2");
    ASSERT_TRUE(both);
    EXPECT_EQ(both->storedData, QStringLiteral("1,1,2,2@1,3,2,2"));
    EXPECT_EQ(build(1, "2", "1,1,2,2")->storedData, QStringLiteral("1,1,2,2"));

    // Type 9: the markers show the first list, the line joins the second.
    const ChartSeries &line = plain->series[0], &markers = plain->series[1];
    EXPECT_EQ(line.count(), 2);
    EXPECT_TRUE(markers.reportsPointPresses);
    EXPECT_EQ(markers.pointCursor, int(Qt::SizeAllCursor));
    const auto shown = build(9, "2", "1,1,2,2@1,3,2,2");
    EXPECT_EQ(shown->series[1].points()[0].y, 1);
    EXPECT_EQ(shown->series[0].points()[0].y, 3);

    // Type 11: the first list is not read; the markers show the second.
    const auto fitted = build(11, "3,3", "junk@1,1,2,4,3,9");
    ASSERT_TRUE(fitted);
    EXPECT_EQ(fitted->series[1].count(), 3);
    EXPECT_EQ(fitted->series[1].points()[2].y, 9);
    EXPECT_EQ(fitted->series[0].count(), 1001);

    // Read-only cells show no move pointer over the markers.
    EXPECT_EQ(build(10, "2", "1,1,2,2", true)->series[1].pointCursor, int(Qt::ArrowCursor));
    // The markers take the axes token, the curve stays bottom-left.
    const auto axes = build(9, "1,0,0,1,0,3,3,0,11", "1,1");
    EXPECT_TRUE(axes->series[1].onTopAxis);
    EXPECT_FALSE(axes->series[0].onTopAxis);
}
