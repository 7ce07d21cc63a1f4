#pragma once

#include "report/Report.h"

#include <QPointF>
#include <QString>

#include <optional>

namespace cellvex {

// Dragging a marker of an adjustable curve (series types 9-11) to a new
// place. Positions are in the cell's pixels from its top-left corner, where
// the chart's snapshot is drawn.

// The series entry a finished drag rewrote, as the host hears of it.
struct AdjustedSeries
{
    int seriesType = 0;
    QString signText;
    QString dataText;
    // False when the cell turned read-only during the drag: the change is
    // kept but the host is not told.
    bool announce = true;
};

// A left press on a chart cell: arms the drag of the draggable marker under
// the position, unless the cell is read-only. True when a drag was armed.
bool pressChartMarker(Report &report, int col, int row, QPointF position);

// The left release that ends an armed drag: the dragged point of the curve
// moves to the values the position stands for on the curve's axes, the
// curve is drawn again and the entry's data text rewritten. nullopt when no
// drag was armed. The drag ends either way.
std::optional<AdjustedSeries> releaseChartMarker(Report &report, int col, int row, QPointF position);

// The same with the new values given directly.
std::optional<AdjustedSeries> moveDraggedMarker(Report &report, int col, int row, double x, double y);

// Drops an armed drag (a release of another button does nothing else).
void cancelChartDrag(Report &report, int col, int row);

// The mouse pointer over a position of a chart cell (a Qt::CursorShape):
// the move pointer over a draggable marker of a cell that is not read-only.
int chartCursorAt(const Report &report, int col, int row, QPointF position);

} // namespace cellvex
