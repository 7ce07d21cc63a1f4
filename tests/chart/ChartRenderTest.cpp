#include "chart/ChartPainter.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace cellvex;

namespace {

bool isReddish(QRgb c)
{
    return qRed(c) > 180 && qGreen(c) < 90 && qBlue(c) < 90;
}

bool isDark(QRgb c)
{
    return qGray(c) < 100;
}

// Pixels of `img` inside `r` (clipped to the image) for which `test` holds.
template <typename Test> int countPixels(const QImage &img, QRect r, Test test)
{
    r &= img.rect();
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += test(img.pixel(x, y)) ? 1 : 0;
    return n;
}

ChartSeries redLine(std::initializer_list<std::pair<double, double>> xy)
{
    ChartSeries s(SeriesKind::Line);
    s.color = QColor(Qt::red);
    s.penWidth = 2;
    for (auto [x, y] : xy)
        s.addXY(x, y);
    return s;
}

} // namespace

TEST(ChartRender, LineDrawsItsColourInsideThePlot)
{
    Chart chart;
    chart.addSeries(redLine({{0, 0}, {5, 10}, {10, 3}}));
    const QSize size(300, 200);
    const QImage img = renderChart(chart, size);
    ASSERT_EQ(img.size(), size);
    const QRect plot = ChartLayout(chart, size).plotArea().toAlignedRect();
    EXPECT_GT(countPixels(img, plot, isReddish), 100);
    // Nothing red outside the plot: the line stays on its axes.
    const int all = countPixels(img, img.rect(), isReddish);
    EXPECT_EQ(all, countPixels(img, plot.adjusted(-2, -2, 2, 2), isReddish));
    // Axes and tick labels draw dark pixels left of and under the plot.
    EXPECT_GT(countPixels(img, QRect(0, plot.top(), plot.left(), plot.height()), isDark), 20);
    EXPECT_GT(countPixels(img, QRect(plot.left(), plot.bottom() + 2, plot.width(), 20), isDark), 20);
}

TEST(ChartRender, PenStyleNoneDrawsNoLine)
{
    Chart chart;
    ChartSeries s = redLine({{0, 0}, {10, 10}});
    s.penStyle = ChartPenStyle::None;
    chart.addSeries(s);
    EXPECT_EQ(countPixels(renderChart(chart, QSize(200, 150)), QRect(0, 0, 200, 150), isReddish), 0);
}

TEST(ChartRender, BackgroundColourAndPicture)
{
    Chart chart;
    chart.backgroundColor = QColor(0, 0, 200);
    const QImage img = renderChart(chart, QSize(160, 120));
    for (QPoint corner : {QPoint(0, 0), QPoint(159, 0), QPoint(0, 119), QPoint(159, 119)})
        EXPECT_EQ(img.pixel(corner), qRgb(0, 0, 200)) << corner.x() << "," << corner.y();
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(Qt::green);
    chart.backgroundPicture = picture;
    const QImage natural = renderChart(chart, QSize(160, 120));
    EXPECT_EQ(natural.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(natural.pixel(159, 119), qRgb(0, 0, 200));
    chart.backgroundStretch = true;
    const QImage stretched = renderChart(chart, QSize(160, 120));
    EXPECT_EQ(stretched.pixel(159, 119), qRgb(0, 255, 0));
}

TEST(ChartRender, TitleDrawsAtTheTop)
{
    Chart chart;
    chart.addSeries(redLine({{0, 0}, {1, 1}}));
    const QImage plain = renderChart(chart, QSize(300, 200));
    chart.titleLines = QStringList{QStringLiteral("销售额（万元）"), QStringLiteral("2024")};
    const QImage titled = renderChart(chart, QSize(300, 200));
    const ChartLayout layout(chart, QSize(300, 200));
    const QRect band = layout.titleRect().toAlignedRect();
    EXPECT_GT(band.height(), 20) << "two lines";
    // The middle of the top edge: the title there, nothing without it.
    const QRect middle(100, band.top(), 100, band.height());
    EXPECT_EQ(countPixels(plain, middle, isDark), 0);
    EXPECT_GT(countPixels(titled, middle, isDark), 40);
    // Centred: as much ink left of the middle as right of it, roughly.
    const int left = countPixels(titled, QRect(0, band.top(), 150, band.height()), isDark);
    const int right = countPixels(titled, QRect(150, band.top(), 150, band.height()), isDark);
    EXPECT_LT(std::abs(left - right), (left + right) / 3);
    EXPECT_GE(layout.plotArea().top(), band.bottom());
}

TEST(ChartRender, TextStaysReadableOnADarkBackground)
{
    Chart chart;
    chart.backgroundColor = QColor(20, 20, 60);
    chart.titleLines = QStringList{QStringLiteral("销售额")};
    chart.addSeries(redLine({{0, 0}, {1, 1}}));
    const QSize size(300, 200);
    const QImage img = renderChart(chart, size);
    const ChartLayout layout(chart, size);
    const auto isLight = [](QRgb c) { return qGray(c) > 180; };
    EXPECT_GT(countPixels(img, layout.titleRect().toAlignedRect(), isLight), 20);
    const QRect plot = layout.plotArea().toAlignedRect();
    EXPECT_GT(countPixels(img, QRect(0, plot.top(), plot.left() - 1, plot.height()), isLight), 20);
}

TEST(ChartRender, LogAxisDrawsOnlyWhatItCanShow)
{
    // Points <= 0 are gaps, not lines to the far edge of the image.
    Chart chart;
    chart.addSeries(redLine({{1, 10}, {2, -5}, {3, 0}, {4, 100}, {5, 1000}}));
    chart.axis(AxisPosition::Left).logarithmic = true;
    const QSize size(300, 200);
    const QImage img = renderChart(chart, size);
    const QRect plot = ChartLayout(chart, size).plotArea().toAlignedRect();
    const int all = countPixels(img, img.rect(), isReddish);
    EXPECT_GT(all, 40);
    EXPECT_EQ(all, countPixels(img, plot.adjusted(-2, -2, 2, 2), isReddish));
    // The gap: nothing red between x = 1 and x = 4 but the lone end points.
    const ChartLayout layout(chart, size);
    const ChartSeries &s = chart.series(0);
    const double x1 = layout.pointPosition(s, s.points()[0])->x();
    const double x4 = layout.pointPosition(s, s.points()[3])->x();
    EXPECT_EQ(countPixels(img, QRect(int(x1) + 3, plot.top(), int(x4 - x1) - 6, plot.height()), isReddish),
              0);
}

TEST(ChartRender, LogAxesKeepEveryKindInsideThePlot)
{
    for (SeriesKind kind : {SeriesKind::Line, SeriesKind::Point, SeriesKind::Area, SeriesKind::VerticalBar,
                            SeriesKind::HorizontalBar}) {
        Chart chart;
        ChartSeries s(kind);
        s.color = QColor(Qt::red);
        s.marksVisible = true;
        for (double v : {5.0, -3.0, 0.0, 500.0, 200.0, std::numeric_limits<double>::quiet_NaN(), 50.0, 80.0})
            s.addValue(v, QStringLiteral("c"));
        chart.addSeries(s);
        for (AxisPosition a : {AxisPosition::Left, AxisPosition::Bottom})
            chart.axis(a).logarithmic = true;
        const QSize size(260, 180);
        const QImage img = renderChart(chart, size);
        const QRect plot = ChartLayout(chart, size).plotArea().toAlignedRect();
        const int all = countPixels(img, img.rect(), isReddish);
        EXPECT_GT(all, 10) << int(kind);
        EXPECT_EQ(all, countPixels(img, plot.adjusted(-5, -5, 5, 5), isReddish)) << int(kind);
    }
}

TEST(ChartRender, EverySeriesKindDrawsInItsColour)
{
    const SeriesKind kinds[] = {SeriesKind::Line, SeriesKind::VerticalBar, SeriesKind::HorizontalBar,
                                SeriesKind::Area, SeriesKind::Point};
    for (SeriesKind kind : kinds) {
        Chart chart;
        ChartSeries s(kind);
        s.color = QColor(Qt::red);
        for (double v : {3.0, 8.0, 5.0, 1.0})
            s.addValue(v, QStringLiteral("Q"));
        chart.addSeries(s);
        const QImage img = renderChart(chart, QSize(240, 180));
        EXPECT_GT(countPixels(img, img.rect(), isReddish), 20) << int(kind);
    }
    // A pie paints its slices in palette colours over most of its square.
    Chart pie;
    ChartSeries slices(SeriesKind::Pie);
    for (double v : {3.0, 2.0, 1.0})
        slices.addValue(v, QStringLiteral("A"));
    pie.addSeries(slices);
    const QImage img = renderChart(pie, QSize(200, 200));
    const QRect square = ChartLayout(pie, QSize(200, 200)).pieRect(0).toAlignedRect();
    const int coloured =
        countPixels(img, square, [](QRgb c) { return qRed(c) != qGreen(c) || qGreen(c) != qBlue(c); });
    EXPECT_GT(coloured, square.width() * square.height() / 2);
}

TEST(ChartRender, DegenerateInputsDoNotCrash)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    Chart chart;
    chart.titleLines = QStringList{QStringLiteral("T")};
    chart.legendVisible = true;
    for (SeriesKind kind : {SeriesKind::Line, SeriesKind::Area, SeriesKind::Point, SeriesKind::VerticalBar,
                            SeriesKind::HorizontalBar, SeriesKind::Pie}) {
        ChartSeries s(kind);
        s.marksVisible = true;
        s.penWidth = -3;
        s.markerWidth = -1;
        s.markerHeight = 100000;
        for (double v : {nan, inf, -inf, 0.0, 1e308, -1e308, 2.0})
            s.addXY(v, v);
        s.addValue(nan, QString());
        chart.addSeries(s);
        chart.addSeries(ChartSeries(kind));
    }
    for (bool log : {false, true}) {
        for (AxisPosition a :
             {AxisPosition::Left, AxisPosition::Right, AxisPosition::Top, AxisPosition::Bottom}) {
            chart.axis(a).logarithmic = log;
            chart.axis(a).logBase = log ? 0.5 : 10;
            chart.axis(a).inverted = log;
            chart.axis(a).title = QStringLiteral("轴");
            chart.axis(a).titleFont.setFamily(QStringLiteral("@宋体"));
        }
        for (QSize size : {QSize(0, 0), QSize(1, 1), QSize(2, 300), QSize(300, 2), QSize(160, 120)}) {
            const QImage img = renderChart(chart, size);
            if (size.isEmpty())
                EXPECT_TRUE(img.isNull());
            else
                EXPECT_EQ(img.size(), size);
        }
    }
    EXPECT_TRUE(renderChart(Chart(), QSize(0, 10)).isNull());
    EXPECT_TRUE(renderChart(Chart(), QSize(-1, -1)).isNull());
    // Painting a layout into a painter of another size stays inside the layout's rectangle.
    QImage big(400, 400, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::white);
    Chart red;
    red.backgroundColor = Qt::red;
    {
        QPainter p(&big);
        paintChart(p, red, ChartLayout(red, QSize(100, 50)));
    }
    EXPECT_EQ(big.pixel(99, 49), qRgb(255, 0, 0));
    EXPECT_EQ(big.pixel(100, 50), qRgb(255, 255, 255));
}

TEST(ChartRender, HugeSeriesStayCheap)
{
    // A million points through a 300 pixel wide plot: drawn column by column.
    Chart chart;
    ChartSeries s = redLine({});
    for (int i = 0; i < 1000000; ++i)
        s.addXY(i, std::sin(i * 0.001) * 100);
    chart.addSeries(s);
    const QImage img = renderChart(chart, QSize(300, 200));
    EXPECT_GT(countPixels(img, img.rect(), isReddish), 300);
}
