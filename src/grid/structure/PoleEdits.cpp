#include "PoleEdits.h"

#include "cells/CellCapacity.h"
#include "common/Geometry.h"
#include "grid/structure/BlockReshape.h"
#include "grid/structure/PoleAxis.h"
#include "grid/structure/SelectionShift.h"
#include "report/Report.h"

#include <limits>

namespace cellvex {

namespace {

void insertIntoMatrix(Report &report, PoleAxis axis, int at, int count)
{
    if (axis.columns())
        report.cells().insertColumns(at, count);
    else
        report.cells().insertRows(at, count);
}

// Throws when the grown report could not be laid out in window coordinates.
void checkGrowth(const Report &report, PoleAxis axis, int count)
{
    const RulerModel &ruler = axis.columns() ? report.colRuler() : report.rowRuler();
    const std::int64_t lines = std::int64_t(ruler.poleCount()) + count;
    const std::int64_t extent = ruler.totalLength() + std::int64_t(count) * ruler.defaultRange() + 3;
    if (lines > std::numeric_limits<int>::max() || !fitsPixelExtent(extent))
        throw ReportError(
            QStringLiteral("报表尺寸超出范围：列宽或行高的总和不能超过 %1 像素").arg(kMaxPixelExtent));
    const std::int64_t cols = axis.columns() ? lines : report.colCount();
    const std::int64_t rows = axis.columns() ? report.rowCount() : lines;
    // An insert that finds no room in the matrix's block moves every cell to
    // a larger one, and the memory check must weigh all of them.
    requireCellCapacity(cols, rows, report.cells().cellsWrittenByInsert(axis.columns(), count));
}

// Closes a line edit that changed the matrix: the report is unsaved and its
// generation moves on, so that callers holding cells look them up again.
StructureOutcome reshaped(Report &report, bool selectionChanged)
{
    report.setSaved(false);
    report.matrixReshaped();
    return {true, selectionChanged};
}

} // namespace

StructureOutcome insertPoles(Report &report, Orientation o, int at, int count,
                             const std::function<void()> &beforeChange)
{
    const PoleAxis axis(o);
    if (count < 1 || at < 0 || at > axis.poleCount(report))
        return {};
    checkGrowth(report, axis, count);
    if (beforeChange)
        beforeChange();
    // A handler may have replaced the report meanwhile: check again.
    if (at > axis.poleCount(report))
        return {};
    checkGrowth(report, axis, count);

    RulerModel &ruler = axis.ruler(report);
    ruler.insertDefaultPoles(at, count);
    try {
        insertIntoMatrix(report, axis, at, count);
    } catch (...) {
        // The matrix could not grow: the ruler takes its poles back, so the
        // report stays as it was.
        ruler.removePoles(at, count);
        throw;
    }
    reshapeBlocksAfterInsert(report, axis, at, count);

    return reshaped(report, shiftSelectionForInsert(report, o, at, count));
}

StructureOutcome appendPoles(Report &report, Orientation o, int count,
                             const std::function<void()> &beforeChange)
{
    return insertPoles(report, o, PoleAxis(o).poleCount(report), count, beforeChange);
}

StructureOutcome deletePoles(Report &report, Orientation o, int first, int last,
                             const std::function<void()> &beforeChange)
{
    const PoleAxis axis(o);
    auto accepted = [&] {
        const int lines = axis.poleCount(report);
        return first >= 0 && first <= last && last < lines && last - first + 1 < lines;
    };
    if (!accepted())
        return {};
    if (beforeChange)
        beforeChange();
    if (!accepted())
        return {};

    reshapeBlocksBeforeDelete(report, axis, first, last);
    const int n = last - first + 1;
    if (axis.columns())
        report.cells().removeColumns(first, n);
    else
        report.cells().removeRows(first, n);
    axis.ruler(report).removePoles(first, n);

    return reshaped(report, shiftSelectionForDelete(report, o, first, last));
}

} // namespace cellvex
