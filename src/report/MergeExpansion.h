#pragma once

#include <QPoint>
#include <QRect>

namespace cellvex {

class Report;

// Merged blocks as the selection sees them. Rectangles are inclusive cell
// ranges (QRect corners are the first and last column and row). Block bounds
// read from cells are clamped to the grid and always include the cell itself,
// so a damaged block can never make a selection leave the report.

// The cell's merged block when it belongs to one, else the cell alone.
QRect cellRange(const Report &report, int col, int row);

// The block's master for a covered cell, else the cell itself.
QPoint masterCell(const Report &report, int col, int row);

// Grows the rectangle until no merged block crosses its border: every block
// touching the result lies inside it. Each pass looks only at the cells the
// previous pass added. The rectangle is clamped to the grid first; an empty
// grid or a rectangle outside it gives an invalid (null) QRect.
QRect expandToMerges(const Report &report, QRect rect);

} // namespace cellvex
