#pragma once

#include "report/Report.h"

#include <QString>

#include <cstdint>

namespace cellvex {

// Per-cell input attributes, 0-based. A setter acts on any cell inside the
// grid (covered cells included), marks the report changed and returns true;
// outside the grid it does nothing and returns false. Callers finish in-place
// input first where the interface says so, and refresh the in-place editor
// when the cell is the input cell.

// Stores the format; a text cell given format 0, 1, 2, 3 or 11, or a date
// cell given format 6, loses its caption through the caption setter, since
// the old text need not read under the new format.
bool setCellFormat(Report &report, int col, int row, int formatType, const QString &formatText);
// False outside the grid, with formatType -1 and an empty text.
bool cellFormat(const Report &report, int col, int row, int &formatType, QString &formatText);

bool setCellIme(Report &report, int col, int row, const QString &imeName);
QString cellIme(const Report &report, int col, int row); // empty outside the grid

bool setCellReadOnly(Report &report, int col, int row, bool readOnly);
bool cellReadOnly(const Report &report, int col, int row); // false outside the grid

bool setCellPrintHide(Report &report, int col, int row, bool hide);
bool cellPrintHide(const Report &report, int col, int row); // false outside the grid

// Stores the 0-based position input moves to after this cell, without any
// range test; -1 means none. Taken in 64 bit so that the interface's 1-based
// value minus one cannot overflow; values beyond 32 bit are held saturated,
// at most INT_MAX - 1 so that reading back "+ 1" cannot overflow either.
bool setCellNextPos(Report &report, int col, int row, std::int64_t nextCol, std::int64_t nextRow);
// False outside the grid (the interface then answers -1, -1); otherwise the
// stored 0-based position, -1 and -1 when none is set.
bool cellNextPos(const Report &report, int col, int row, int &nextCol, int &nextRow);

} // namespace cellvex
