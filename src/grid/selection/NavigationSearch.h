#pragma once

#include <QPoint>

#include <cstdint>
#include <functional>

namespace cellvex {

class Report;

// Cells a keyboard move may land on. Covered cells are never targets, and
// neither is a cell without area (its width or height is 0; a master's
// extent is its whole block).
bool isReachable(const Report &report, int col, int row);
// Enter also skips read-only cells.
bool isEnterable(const Report &report, int col, int row);

// Reading order runs along a row, then to the next row; column order runs
// down a column, then to the next column.
enum class ScanOrder { Reading, Column };

using CellTest = std::function<bool(const Report &, int col, int row)>;

// The first cell at or after `from` (forwards) or at or before it
// (backwards) in the given order that passes the test; when the scan runs
// off the end (or the beginning) of the report without a hit it starts
// again from the far end of the whole report, up to `from`. (-1, -1) when no
// cell passes. `from` may lie one step outside a line (column -1 or count);
// it then continues on the neighbouring line.
QPoint scanCellsWrapping(const Report &report, ScanOrder order, bool forwards, QPoint from,
                         const CellTest &test);

} // namespace cellvex
