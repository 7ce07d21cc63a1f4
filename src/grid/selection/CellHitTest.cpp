#include "CellHitTest.h"

#include "report/MergeExpansion.h"
#include "report/Report.h"

namespace cellvex {

std::int64_t surfaceOriginX(const Report &report)
{
    const RulerModel &r = report.colRuler();
    return r.count() > 0 ? r.poleEdge(r.displayIndex()) : 0;
}

std::int64_t surfaceOriginY(const Report &report)
{
    const RulerModel &r = report.rowRuler();
    return r.count() > 0 ? r.poleEdge(r.displayIndex()) : 0;
}

CellHit hitTestCell(const Report &report, std::int64_t reportX, std::int64_t reportY)
{
    CellHit hit;
    const int col = report.colRuler().poleAtOffset(reportX);
    const int row = report.rowRuler().poleAtOffset(reportY);
    if (col < 0 || row < 0 || !report.contains(col, row))
        return hit;
    // Covered cells are hidden under their master, which takes the press.
    const QPoint m = masterCell(report, col, row);
    hit.col = m.x();
    hit.row = m.y();
    hit.x = reportX - report.colRuler().poleEdge(hit.col);
    hit.y = reportY - report.rowRuler().poleEdge(hit.row);
    return hit;
}

CellHit hitTestSurface(const Report &report, int surfaceX, int surfaceY)
{
    return hitTestCell(report, surfaceOriginX(report) + surfaceX, surfaceOriginY(report) + surfaceY);
}

} // namespace cellvex
