#pragma once

#include "document/ClipboardBlock.h"

#include <QRect>

#include <cstdint>
#include <set>
#include <utility>

namespace cellvex {

class Report;

// Where a block pasted with its top-left cell at (col, row) lands: its full
// size when the grid is to grow (the caller grows it first), otherwise cut
// off at the grid's last column and row.
QRect pasteArea(const Report &report, int col, int row, const ClipboardBlock &block, bool grow);

// Dissolves every merged block that reaches into `area` without lying
// inside it, so that no block is left with part of it replaced.
void dissolveCutBlocks(Report &report, const QRect &area);

// A full-shape paste: the area's blocks dissolved, every cell replaced by a
// default cell, then the block's cells put in (merges clipped to the area,
// captions as they were), charts drawn at their new size. Raises no event.
void pasteCells(Report &report, const ClipboardBlock &block, const QRect &area);

// Empties the values of the area's cells as a text cut does, through the
// cells' own value change (events raised): captions, check boxes to "0",
// chart series, pictures of value cells. Throws ReportError when a handler
// replaced the report meanwhile. Gives the cells whose picture was removed
// while stretched: the cell layer forgets the stretching with the picture,
// but it is the cell's own format, which a text paste keeps.
std::set<std::pair<int, int>> emptyValues(Report &report, const QRect &area);

// A content-shape paste: the area emptied as above, then each element's
// caption assigned through the assignment path (formatted by the target
// cell), its series and pictures added, read-only cells left empty. Throws
// like emptyValues.
void pasteContents(Report &report, const ClipboardBlock &block, const QRect &area);

} // namespace cellvex
