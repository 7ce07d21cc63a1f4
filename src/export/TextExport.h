#pragma once

#include "export/ExportRange.h"

#include <QString>

namespace cellvex {

class Report;

// The stored values (captions, not the formatted display lines) of the
// report or a range, row by row from the top and left to right.
// With `emptyCells` every cell is written: one line per row ended by CR LF,
// cells within a row separated by `separator`. Without, only the values that
// are not blank are written, each followed by `separator` and no line breaks.
// Coordinates are 0-based; an invalid range (see exportRange) gives the
// empty string. Values are written as they are, nothing is quoted.
QString transText(const Report &report, bool selected, int col1, int row1, int col2, int row2,
                  bool emptyCells, const QString &separator);

QString exportText(const Report &report, const ExportRange &range, bool emptyCells, const QString &separator);

// Whether a value counts as empty: nothing is left once spaces and control
// characters (every character up to U+0020) are trimmed from both ends.
bool isBlankValue(const QString &value);

} // namespace cellvex
