// Painting one full viewport of a 1 M-cell report at its top-left and at its
// bottom-right corner: the cost must not depend on where the view is.
#include "control/CellSurface.h"
#include "control/CellvexControl.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

void fillCaptions(cellvex::Report &r, int firstCol, int firstRow, int cols, int rows)
{
    for (int c = firstCol; c < firstCol + cols; ++c)
        for (int row = firstRow; row < firstRow + rows; ++row)
            r.setCellCaption(c, row, QStringLiteral("单元 %1,%2").arg(c).arg(row));
}

void BM_PaintViewport(benchmark::State &state)
{
    const bool bottomRight = state.range(0) != 0;
    cellvex::CellvexControl control;
    control.resize(640, 480);
    control.actions().newReport(1000, 1000);
    cellvex::Report &r = control.report();
    const int viewCols = 8, viewRows = 24;
    fillCaptions(r, 0, 0, viewCols, viewRows);
    fillCaptions(r, 1000 - viewCols, 1000 - viewRows, viewCols, viewRows);
    if (bottomRight) {
        r.colRuler().setDisplayIndex(1000 - viewCols);
        r.rowRuler().setDisplayIndex(1000 - viewRows);
    }
    cellvex::CellSurface *surface = control.cellSurface();
    QImage image(surface->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&image);
        surface->paintArea(p, image.rect());
        p.end();
        benchmark::DoNotOptimize(image.bits());
    }
    state.SetLabel(bottomRight ? "bottom-right" : "top-left");
}

} // namespace

BENCHMARK(BM_PaintViewport)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
