// Chart cells: adding an adjustable curve of 1000 points (fitting, layout and
// the snapshot) and painting a viewport full of chart cells beside one full
// of picture cells of the same size: charts are drawn from their snapshots,
// so both paints cost the same.
#include "cells/CellWidgets.h"
#include "control/CellSurface.h"
#include "control/CellvexControl.h"
#include "report/ChartCellOps.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

QString thousandPoints()
{
    QString data;
    for (int i = 0; i < 1000; ++i)
        data += QStringLiteral("%1,%2,").arg(i).arg(std::sin(i / 50.0) * 100, 0, 'f', 3);
    data.chop(1);
    return data;
}

void BM_AddType10SeriesOf1000Points(benchmark::State &state)
{
    cellvex::CellvexControl control;
    cellvex::Report &r = control.report();
    r.colRuler().setPoleRange(0, 300);
    r.rowRuler().setPoleRange(0, 200);
    cellvex::setChartCell(r, 0, 0, QStringLiteral("曲线"), QStringLiteral("x"), QStringLiteral("y"));
    const QString data = thousandPoints();
    for (auto _ : state) {
        cellvex::clearChartSeries(r, 0, 0);
        cellvex::addChartSeries(r, 0, 0, 10, QStringLiteral("1000"), data);
        benchmark::DoNotOptimize(r.cell(0, 0)->picture());
    }
}

// Arg 0: picture cells; arg 1: chart cells with a line and markers.
void BM_PaintViewportOfCells(benchmark::State &state)
{
    const bool charts = state.range(0) != 0;
    cellvex::CellvexControl control;
    control.resize(800, 600);
    control.actions().newReport(6, 6);
    cellvex::Report &r = control.report();
    QImage picture(160, 120, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    for (int c = 0; c < 6; ++c) {
        r.colRuler().setPoleRange(c, 160);
        for (int row = 0; row < 6; ++row) {
            r.rowRuler().setPoleRange(row, 120);
            if (charts) {
                cellvex::setChartCell(r, c, row, QStringLiteral("销售"), QStringLiteral("月"),
                                      QStringLiteral("额"));
                cellvex::addChartSeries(r, c, row, 9, QStringLiteral("4"), QStringLiteral("1,5,2,7,3,6,4,8"));
            } else {
                cellvex::showCellPicture(*r.cell(c, row), picture, true);
            }
        }
    }
    cellvex::CellSurface *surface = control.cellSurface();
    QImage image(surface->size(), QImage::Format_RGB32);
    {
        QPainter p(&image); // the first paint renders snapshots the sizes made stale
        surface->paintArea(p, image.rect());
    }
    for (auto _ : state) {
        QPainter p(&image);
        surface->paintArea(p, image.rect());
        p.end();
        benchmark::DoNotOptimize(image.bits());
    }
    state.SetLabel(charts ? "chart cells" : "picture cells");
}

} // namespace

BENCHMARK(BM_AddType10SeriesOf1000Points)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintViewportOfCells)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
