#include "ExportRange.h"

#include "report/Report.h"

namespace cellvex {

std::optional<ExportRange> exportRange(const Report &report, bool selected, int col1, int row1, int col2,
                                       int row2)
{
    if (!selected)
        return ExportRange{0, 0, report.colCount() - 1, report.rowCount() - 1};
    if (col1 < 0 || row1 < 0 || col2 >= report.colCount() || row2 >= report.rowCount() || col2 < col1 ||
        row2 < row1)
        return std::nullopt;
    return ExportRange{col1, row1, col2, row2};
}

} // namespace cellvex
