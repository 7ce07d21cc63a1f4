#pragma once

#include <optional>

namespace cellvex {

class Report;

// The columns and rows an export covers, 0-based and inclusive. A report
// without columns or rows gives a range whose last index is -1.
struct ExportRange
{
    int firstCol = 0;
    int firstRow = 0;
    int lastCol = -1;
    int lastRow = -1;
};

// The whole report when `selected` is false (the coordinates are then not
// looked at); otherwise columns col1..col2 and rows row1..row2 (0-based),
// accepted only when they lie inside the report and are not reversed.
std::optional<ExportRange> exportRange(const Report &report, bool selected, int col1, int row1, int col2,
                                       int row2);

} // namespace cellvex
