#include "chart/ChartLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace cellvex;

namespace {

Chart chartWith(const ChartSeries &s)
{
    Chart chart;
    chart.addSeries(s);
    return chart;
}

ChartSeries points(std::initializer_list<std::pair<double, double>> xy, SeriesKind kind = SeriesKind::Point)
{
    ChartSeries s(kind);
    for (auto [x, y] : xy)
        s.addXY(x, y);
    return s;
}

} // namespace

TEST(ChartLayout, PositionsConvertBackToTheirValues)
{
    struct Row
    {
        const char *name;
        bool logX, logY, invertX, invertY, top, right;
    };
    const Row rows[] = {
        {"linear", false, false, false, false, false, false},
        {"inverted x", false, false, true, false, false, false},
        {"inverted y", false, false, false, true, false, false},
        {"log x", true, false, false, false, false, false},
        {"log y", false, true, false, false, false, false},
        {"log and inverted both", true, true, true, true, false, false},
        {"top and right axes", false, true, true, false, true, true},
    };
    for (const Row &r : rows) {
        ChartSeries s = points({{0.5, 2}, {3, 40}, {70, 0.3}, {200, 900}});
        s.onTopAxis = r.top;
        s.onRightAxis = r.right;
        Chart chart = chartWith(s);
        const AxisPosition h = r.top ? AxisPosition::Top : AxisPosition::Bottom;
        const AxisPosition v = r.right ? AxisPosition::Right : AxisPosition::Left;
        chart.axis(h).logarithmic = r.logX;
        chart.axis(h).inverted = r.invertX;
        chart.axis(v).logarithmic = r.logY;
        chart.axis(v).inverted = r.invertY;
        const ChartLayout layout(chart, QSize(400, 300));
        const ChartSeries &laid = chart.series(0);
        for (const ChartPoint &p : laid.points()) {
            const std::optional<QPointF> at = layout.pointPosition(laid, p);
            ASSERT_TRUE(at) << r.name;
            EXPECT_TRUE(layout.plotArea().adjusted(-0.5, -0.5, 0.5, 0.5).contains(*at)) << r.name;
            double x = 0;
            double y = 0;
            layout.positionToValues(laid, *at, x, y);
            EXPECT_NEAR(x, p.x, std::fabs(p.x) * 1e-9) << r.name;
            EXPECT_NEAR(y, p.y, std::fabs(p.y) * 1e-9) << r.name;
        }
        // And the other way: any pixel in the plot maps to a value that maps back.
        const QRectF plot = layout.plotArea();
        for (QPointF pos : {plot.topLeft(), plot.center(), plot.bottomRight(),
                            QPointF(plot.left() + 17.25, plot.top() + 3.5)}) {
            double x = 0;
            double y = 0;
            layout.positionToValues(laid, pos, x, y);
            const std::optional<QPointF> back = layout.pointPosition(laid, ChartPoint{x, y, QString()});
            ASSERT_TRUE(back) << r.name;
            EXPECT_NEAR(back->x(), pos.x(), 1e-6) << r.name;
            EXPECT_NEAR(back->y(), pos.y(), 1e-6) << r.name;
        }
        // Inverted axes put the maximum at the left or bottom.
        const AxisScale &hs = layout.scale(h);
        const AxisScale &vs = layout.scale(v);
        EXPECT_EQ(hs.pixelEnd < hs.pixelStart, r.invertX) << r.name;
        EXPECT_EQ(vs.pixelEnd > vs.pixelStart, r.invertY) << r.name;
        EXPECT_TRUE(hs.used && vs.used) << r.name;
    }
}

TEST(ChartLayout, RangesFollowTheData)
{
    Chart chart;
    chart.addSeries(points({{0, 52}, {10, 87}}, SeriesKind::Line));
    ChartSeries bars(SeriesKind::VerticalBar);
    bars.onRightAxis = true;
    for (double v : {5.0, 9.0, 7.0})
        bars.addValue(v, QString());
    chart.addSeries(bars);
    const ChartLayout layout(chart, QSize(400, 300));
    const AxisScale &left = layout.scale(AxisPosition::Left);
    EXPECT_LE(left.min, 52);
    EXPECT_GE(left.max, 87);
    EXPECT_GT(left.min, 0) << "a line does not drag 0 into its axis";
    // Bars stand on 0, so their axis shows it.
    const AxisScale &right = layout.scale(AxisPosition::Right);
    EXPECT_LE(right.min, 0);
    EXPECT_GE(right.max, 9);
    EXPECT_TRUE(layout.axisShown(AxisPosition::Right));
    EXPECT_FALSE(layout.axisShown(AxisPosition::Top));
    EXPECT_TRUE(layout.isCategoryAxis(AxisPosition::Bottom));
    // Ticks lie inside the range and ascend.
    for (AxisPosition a : {AxisPosition::Left, AxisPosition::Right, AxisPosition::Bottom}) {
        const AxisScale &s = layout.scale(a);
        ASSERT_FALSE(s.ticks.empty());
        EXPECT_EQ(s.ticks.size(), s.tickLabels.size());
        for (size_t i = 0; i < s.ticks.size(); ++i) {
            EXPECT_GE(s.ticks[i], s.min - 1e-9);
            EXPECT_LE(s.ticks[i], s.max + 1e-9);
            if (i > 0) {
                EXPECT_LT(s.ticks[i - 1], s.ticks[i]);
            }
        }
    }
}

TEST(ChartLayout, LogAxisLeavesOutValuesItCannotShow)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    Chart chart = chartWith(points({{1, 5}, {2, 0}, {3, -4}, {4, 50}, {5, nan}, {6, 500}}, SeriesKind::Line));
    chart.axis(AxisPosition::Left).logarithmic = true;
    const ChartLayout layout(chart, QSize(300, 200));
    const AxisScale &left = layout.scale(AxisPosition::Left);
    EXPECT_GT(left.min, 0);
    EXPECT_LE(left.min, 5);
    EXPECT_GE(left.max, 500);
    EXPECT_LE(left.max, 1000);
    const ChartSeries &s = chart.series(0);
    for (const ChartPoint &p : s.points())
        EXPECT_EQ(layout.pointPosition(s, p).has_value(), p.y > 0) << p.y;
    for (double v : {0.0, -1.0, nan, std::numeric_limits<double>::infinity()})
        EXPECT_FALSE(left.toPixel(v)) << v;
}

TEST(ChartLayout, HitTestingFindsTheTopmostMarker)
{
    Chart chart;
    ChartSeries under = points({{1, 1}, {2, 2}, {3, 3}});
    under.reportsPointPresses = true;
    ChartSeries silent = points({{2, 2}});
    ChartSeries over = points({{2, 2}, {4, 4}});
    over.reportsPointPresses = true;
    over.markerWidth = 6;
    over.markerHeight = 3;
    chart.addSeries(under);
    chart.addSeries(over);
    chart.addSeries(silent);
    const ChartLayout layout(chart, QSize(400, 300));
    const QPointF at2 = *layout.pointPosition(chart.series(1), ChartPoint{2, 2, QString()});
    const QPointF at3 = *layout.pointPosition(chart.series(0), ChartPoint{3, 3, QString()});
    struct Row
    {
        const char *name;
        QPointF position;
        int series, point;
    };
    const Row rows[] = {
        {"shared spot: the later series", at2, 1, 0},
        {"inside the wider marker", at2 + QPointF(6 + 2, 0), 1, 0},
        {"past its width and tolerance", at2 + QPointF(6 + 3, 0), -1, -1},
        {"inside its height and tolerance", at2 + QPointF(0, 3 + 2), 1, 0},
        {"past its height, inside the one under", at2 + QPointF(0, 3 + 2.5), 0, 1},
        {"only the first series there", at3 + QPointF(-4, 5), 0, 2},
        {"nothing", QPointF(1, 1), -1, -1},
    };
    for (const Row &r : rows) {
        const std::optional<ChartPointHit> hit = layout.pointAt(chart, r.position);
        EXPECT_EQ(hit ? hit->series : -1, r.series) << r.name;
        EXPECT_EQ(hit ? hit->point : -1, r.point) << r.name;
    }
}

TEST(ChartLayout, HitIndexCountsInAscendingXOnEveryKindOfAxis)
{
    struct Row
    {
        const char *name;
        bool logarithmic, inverted;
    };
    const Row rows[] = {
        {"linear", false, false},
        {"inverted", false, true},
        {"log", true, false},
        {"log inverted", true, true},
    };
    for (const Row &r : rows) {
        Chart chart;
        ChartSeries s = points({{300, 1}, {10, 1}, {20, 1}, {-5, 1}, {1000, 1}});
        s.reportsPointPresses = true;
        chart.addSeries(s);
        for (AxisPosition a : {AxisPosition::Bottom, AxisPosition::Left}) {
            chart.axis(a).logarithmic = r.logarithmic;
            chart.axis(a).inverted = r.inverted;
        }
        const ChartLayout layout(chart, QSize(300, 200));
        const ChartSeries &laid = chart.series(0);
        // In ascending x: -5 (not on a log axis), 10, 20, 300, 1000.
        const int first = r.logarithmic ? 1 : 0;
        for (int i = first; i < laid.count(); ++i) {
            const QPointF at = *layout.pointPosition(laid, laid.points()[size_t(i)]);
            const std::optional<ChartPointHit> hit = layout.pointAt(chart, at + QPointF(1, -1));
            ASSERT_TRUE(hit) << r.name << " " << i;
            EXPECT_EQ(hit->point, i) << r.name;
        }
    }
}

TEST(ChartLayout, PiesAloneHaveNoAxes)
{
    ChartSeries pie(SeriesKind::Pie);
    pie.addValue(3, QStringLiteral("A"));
    pie.addValue(1, QStringLiteral("B"));
    Chart chart = chartWith(pie);
    const ChartLayout layout(chart, QSize(200, 150));
    EXPECT_FALSE(layout.axesVisible());
    const QRectF square = layout.pieRect(0);
    EXPECT_GT(square.width(), 100);
    EXPECT_DOUBLE_EQ(square.width(), square.height());
    EXPECT_TRUE(QRectF(0, 0, 200, 150).contains(square));
    chart.addSeries(points({{1, 1}}));
    EXPECT_TRUE(ChartLayout(chart, QSize(200, 150)).axesVisible());
}

TEST(ChartLayout, DegenerateInputsGiveFiniteLayouts)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Row
    {
        const char *name;
        Chart chart;
    };
    std::vector<Row> rows;
    rows.push_back({"empty", Chart()});
    rows.push_back({"empty series", chartWith(ChartSeries(SeriesKind::Line))});
    rows.push_back({"only NaN and inf", chartWith(points({{nan, 1}, {1, nan}, {inf, -inf}}))});
    rows.push_back({"one point", chartWith(points({{3, 3}}))});
    rows.push_back({"huge values", chartWith(points({{-1e308, -1e308}, {1e308, 1e308}}))});
    Chart log = chartWith(points({{-1, -1}, {0, 0}}));
    log.axis(AxisPosition::Left).logarithmic = true;
    log.axis(AxisPosition::Bottom).logarithmic = true;
    rows.push_back({"log axes without positive values", log});
    ChartSeries zeroPie(SeriesKind::Pie);
    zeroPie.addValue(0, QString());
    zeroPie.addValue(-3, QString());
    rows.push_back({"pie of nothing", chartWith(zeroPie)});
    for (const Row &r : rows) {
        for (QSize size : {QSize(0, 0), QSize(1, 1), QSize(-5, 20), QSize(3, 400), QSize(160, 120)}) {
            const ChartLayout layout(r.chart, size);
            const QRectF plot = layout.plotArea();
            EXPECT_GE(plot.width(), 0) << r.name;
            EXPECT_GE(plot.height(), 0) << r.name;
            for (AxisPosition a :
                 {AxisPosition::Left, AxisPosition::Right, AxisPosition::Top, AxisPosition::Bottom}) {
                const AxisScale &s = layout.scale(a);
                EXPECT_TRUE(std::isfinite(s.min) && std::isfinite(s.max)) << r.name;
                EXPECT_TRUE(std::isfinite(s.toValue(5))) << r.name;
            }
            double x = 0;
            double y = 0;
            if (r.chart.seriesCount() > 0) {
                layout.positionToValues(r.chart.series(0), QPointF(0, 0), x, y);
                EXPECT_FALSE(std::isnan(x) || std::isnan(y)) << r.name;
                EXPECT_FALSE(layout.pointAt(r.chart, QPointF(0, 0)).has_value() && size.isEmpty()) << r.name;
            }
        }
    }
}

TEST(ChartLayout, BarSeriesStandSideBySide)
{
    for (bool inverted : {false, true}) {
        Chart chart;
        for (int k = 0; k < 3; ++k) {
            ChartSeries s(SeriesKind::VerticalBar);
            for (double v : {4.0, 6.0, 2.0})
                s.addValue(v + k, QString());
            chart.addSeries(s);
        }
        chart.axis(AxisPosition::Bottom).inverted = inverted;
        const ChartLayout layout(chart, QSize(400, 300));
        const AxisScale &bottom = layout.scale(AxisPosition::Bottom);
        const double centre = *bottom.toPixel(1);
        const double half = std::fabs(*bottom.toPixel(1.5) - centre);
        std::vector<std::pair<double, double>> spans;
        for (int k = 0; k < 3; ++k)
            spans.push_back(layout.barSpan(k, 1));
        std::sort(spans.begin(), spans.end());
        for (size_t k = 0; k < spans.size(); ++k) {
            EXPECT_GT(spans[k].second - spans[k].first, 10) << inverted;
            EXPECT_GE(spans[k].first, centre - half) << inverted;
            EXPECT_LE(spans[k].second, centre + half) << inverted;
            if (k > 0) {
                EXPECT_LE(spans[k - 1].second, spans[k].first + 1e-9) << inverted;
            }
        }
        // The group is centred on its category.
        EXPECT_NEAR((spans.front().first + spans.back().second) / 2, centre, 1) << inverted;
        // Bars start from 0 at the bottom of the plot.
        EXPECT_NEAR(layout.barBase(chart.series(0)), layout.plotArea().bottom(), 0.5);
    }
}
