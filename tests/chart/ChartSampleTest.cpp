// Sample charts written to /tmp/chart-samples/ for a person to look at: the
// ones a report shows most (line, bars and points with a Chinese title and a
// vertical-writing axis title), small and large, a pie and a log axis.
#include "chart/ChartPainter.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cmath>

using namespace cellvex;

namespace {

QFont font(const QString &family, int points, bool bold = false)
{
    QFont f(family);
    f.setPointSize(points);
    f.setBold(bold);
    return f;
}

Chart salesChart()
{
    Chart chart;
    chart.titleLines = QStringList{QStringLiteral("销售额（万元）")};
    chart.titleFont = font(QStringLiteral("宋体"), 11, true);
    chart.labelFont = font(QStringLiteral("宋体"), 8);
    ChartAxis &left = chart.axis(AxisPosition::Left);
    left.title = QStringLiteral("金额（万元）");
    left.titleFont = font(QStringLiteral("@宋体"), 9);
    left.titleAngle = 270;
    ChartAxis &bottom = chart.axis(AxisPosition::Bottom);
    bottom.title = QStringLiteral("月份");
    bottom.titleFont = font(QStringLiteral("宋体"), 9);
    const double sales[] = {12.5, 18, 15.2, 22.8, 27.1, 24.4};
    const double plan[] = {14, 16, 18, 20, 22, 24};
    ChartSeries bars(SeriesKind::VerticalBar);
    bars.marksVisible = true;
    ChartSeries line(SeriesKind::Line);
    line.penWidth = 2;
    ChartSeries markers(SeriesKind::Point);
    markers.markerStyle = MarkerStyle::Circle;
    markers.markerWidth = markers.markerHeight = 3;
    for (int i = 0; i < 6; ++i) {
        bars.addValue(sales[i], QStringLiteral("%1月").arg(i + 1));
        line.addXY(i, plan[i]);
        markers.addXY(i, plan[i]);
    }
    chart.addSeries(bars);
    chart.addSeries(line);
    chart.addSeries(markers);
    return chart;
}

void save(const QImage &img, const QString &name)
{
    QDir().mkpath(QStringLiteral("/tmp/chart-samples"));
    ASSERT_TRUE(img.save(QStringLiteral("/tmp/chart-samples/") + name)) << name.toStdString();
}

} // namespace

TEST(ChartSamples, WriteSamplePictures)
{
    Chart sales = salesChart();
    save(renderChart(sales, QSize(480, 320)), QStringLiteral("sales-480x320.png"));
    save(renderChart(sales, QSize(160, 120)), QStringLiteral("sales-160x120.png"));
    sales.legendVisible = true;
    save(renderChart(sales, QSize(800, 600)), QStringLiteral("sales-legend-800x600.png"));

    Chart pie;
    pie.titleLines = QStringList{QStringLiteral("地区占比")};
    pie.titleFont = font(QStringLiteral("宋体"), 10, true);
    pie.labelFont = font(QStringLiteral("宋体"), 8);
    pie.legendVisible = true;
    ChartSeries slices(SeriesKind::Pie);
    slices.marksVisible = true;
    const char *regions[] = {"华东", "华南", "华北", "西部", "东北"};
    const double shares[] = {35, 25, 20, 12, 8};
    for (int i = 0; i < 5; ++i)
        slices.addValue(shares[i], QString::fromUtf8(regions[i]));
    pie.addSeries(slices);
    save(renderChart(pie, QSize(360, 240)), QStringLiteral("pie-360x240.png"));

    Chart log;
    log.titleLines = QStringList{QStringLiteral("Response (log)"), QStringLiteral("second line")};
    ChartSeries curve(SeriesKind::Line);
    ChartSeries dots(SeriesKind::Point);
    dots.markerStyle = MarkerStyle::Diamond;
    dots.reportsPointPresses = true;
    for (int i = 0; i <= 1000; ++i)
        curve.addXY(i / 100.0, std::pow(10, i / 250.0));
    for (int i = 0; i < 10; ++i)
        dots.addXY(i + 0.5, std::pow(10, (i + 0.5) / 2.5));
    log.addSeries(curve);
    log.addSeries(dots);
    log.axis(AxisPosition::Left).logarithmic = true;
    log.axis(AxisPosition::Left).title = QStringLiteral("Gain");
    log.axis(AxisPosition::Left).titleAngle = 90;
    log.axis(AxisPosition::Bottom).inverted = true;
    log.axis(AxisPosition::Bottom).title = QStringLiteral("Frequency (inverted)");
    save(renderChart(log, QSize(300, 200)), QStringLiteral("log-300x200.png"));
    save(renderChart(log, QSize(480, 400)), QStringLiteral("log-480x400.png"));

    Chart hbars;
    hbars.labelFont = font(QStringLiteral("宋体"), 8);
    ChartSeries a(SeriesKind::HorizontalBar);
    ChartSeries b(SeriesKind::HorizontalBar);
    a.marksVisible = true;
    for (int i = 0; i < 4; ++i) {
        a.addValue(10 + i * 7, QStringLiteral("产品%1").arg(i + 1));
        b.addValue(30 - i * 6, QString());
    }
    b.onTopAxis = true;
    hbars.addSeries(a);
    hbars.addSeries(b);
    hbars.axis(AxisPosition::Top).title = QStringLiteral("top axis");
    hbars.axis(AxisPosition::Left).title = QStringLiteral("类别");
    hbars.axis(AxisPosition::Left).titleFont = font(QStringLiteral("宋体"), 9);
    hbars.axis(AxisPosition::Bottom).title = QStringLiteral("数量");
    hbars.axis(AxisPosition::Bottom).titleFont = font(QStringLiteral("宋体"), 9);
    save(renderChart(hbars, QSize(320, 220)), QStringLiteral("hbars-320x220.png"));

    Chart styles;
    styles.titleLines = QStringList{QStringLiteral("Markers 0-8, pen styles, an area")};
    styles.legendVisible = true;
    ChartSeries filled(SeriesKind::Area);
    for (int i = 0; i <= 20; ++i)
        filled.addXY(i * 0.5, 2 + std::sin(i * 0.4));
    styles.addSeries(filled);
    for (int m = 0; m <= 8; ++m) {
        ChartSeries marks(SeriesKind::Point);
        marks.markerStyle = MarkerStyle(m);
        marks.markerWidth = marks.markerHeight = 4;
        for (int i = 0; i < 5; ++i)
            marks.addXY(1 + i * 2, 4 + m * 0.6);
        styles.addSeries(marks);
    }
    for (int pen = 2; pen <= 5; ++pen) {
        ChartSeries line(SeriesKind::Line);
        line.penStyle = ChartPenStyle(pen);
        for (int i = 0; i <= 10; ++i)
            line.addXY(i, 10 + pen * 0.7 + 0.3 * std::cos(i));
        styles.addSeries(line);
    }
    save(renderChart(styles, QSize(520, 380)), QStringLiteral("styles-520x380.png"));
}
