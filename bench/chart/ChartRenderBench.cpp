// A chart cell is laid out and drawn again whenever its data or size
// changes and whenever it is painted: the typical adjustable curve (a
// 1001-point line with 10 draggable markers in a 300 x 200 cell) must cost
// little more than the picture a picture cell blits, and rebuilding after
// 1000 new points must stay far below a frame.
#include "chart/ChartPainter.h"

#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace cellvex;

const QSize kCell(300, 200);

Chart curveChart()
{
    Chart chart;
    chart.titleLines = QStringList{QStringLiteral("曲线")};
    ChartSeries line(SeriesKind::Line);
    for (int i = 0; i <= 1000; ++i)
        line.addXY(i, 50 + 40 * std::sin(i * 0.01));
    ChartSeries markers(SeriesKind::Point);
    markers.reportsPointPresses = true;
    for (int i = 0; i < 10; ++i)
        markers.addXY(i * 100 + 50, 50 + 40 * std::sin((i * 100 + 50) * 0.01));
    chart.addSeries(line);
    chart.addSeries(markers);
    chart.axis(AxisPosition::Left).title = QStringLiteral("Gain");
    chart.axis(AxisPosition::Left).titleAngle = 90;
    return chart;
}

void BM_LayoutAndRenderCurve(benchmark::State &state)
{
    const Chart chart = curveChart();
    QImage target(kCell, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&target);
        paintChart(p, chart, ChartLayout(chart, kCell));
        p.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}

void BM_LayoutOnly(benchmark::State &state)
{
    const Chart chart = curveChart();
    for (auto _ : state) {
        const ChartLayout layout(chart, kCell);
        benchmark::DoNotOptimize(layout.plotArea());
    }
}

// 1000 points added in random order to a fresh series, then the chart laid
// out and rendered once: what a script filling a curve costs.
void BM_AddThousandPointsAndRebuild(benchmark::State &state)
{
    for (auto _ : state) {
        Chart chart = curveChart();
        ChartSeries &line = chart.series(0);
        line.clear();
        for (int i = 0; i < 1000; ++i) {
            const int x = (i * 7919) % 1000;
            line.addXY(x, std::cos(x * 0.02));
        }
        benchmark::DoNotOptimize(renderChart(chart, kCell).constBits());
    }
}

void BM_RenderMillionPointLine(benchmark::State &state)
{
    Chart chart;
    ChartSeries line(SeriesKind::Line);
    for (int i = 0; i < 1000000; ++i)
        line.addXY(i, std::sin(i * 0.0001));
    chart.addSeries(line);
    for (auto _ : state)
        benchmark::DoNotOptimize(renderChart(chart, kCell).constBits());
}

// A million values of each kind (argument: SeriesKind), with their marks:
// dense series are thinned to what the pixels can show.
void BM_RenderMillionValues(benchmark::State &state)
{
    Chart chart;
    ChartSeries s{SeriesKind(state.range(0))};
    s.marksVisible = true;
    for (int i = 0; i < 1000000; ++i)
        s.addValue((i % 1000) * 7919 % 1000 + 1, QStringLiteral("L%1").arg(i % 100));
    chart.addSeries(s);
    for (auto _ : state)
        benchmark::DoNotOptimize(renderChart(chart, kCell).constBits());
}

// For comparison: a picture cell drawing its image of the same size, at its
// size and stretched from a larger picture.
void BM_PictureCellBlit(benchmark::State &state)
{
    const bool stretched = state.range(0) != 0;
    QImage picture(stretched ? QSize(640, 480) : kCell, QImage::Format_ARGB32_Premultiplied);
    picture.fill(QColor(40, 120, 200));
    QImage target(kCell, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&target);
        p.setRenderHint(QPainter::SmoothPixmapTransform, stretched);
        p.drawImage(QRect(QPoint(0, 0), kCell), picture);
        p.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}

} // namespace

BENCHMARK(BM_LayoutAndRenderCurve)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LayoutOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AddThousandPointsAndRebuild)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RenderMillionPointLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderMillionValues)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PictureCellBlit)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
