#pragma once

#include "Worksheet.h"

#include <QString>

#include <optional>

namespace cellvex::xlsx {

// Bounds on what a workbook may make us hold: each part of the package is
// read whole, so its inflated size is capped; the cells kept can be
// restricted to a window of the sheet.
struct XlsxReadLimits
{
    qint64 maxPartBytes = qint64(256) * 1024 * 1024;
};

// The first worksheet of a workbook and the range it uses (cells that are
// present, styled blanks included, and merged areas), which is found over
// the whole sheet even when only a window of it is kept.
struct WorkbookContents
{
    Worksheet sheet;
    SheetRange used{1, 1, 0, 0};
};

// Reads the first worksheet of the .xlsx workbook `fileName` with libzip
// and pugixml: values as the program's Value converted to text (shared and
// inline strings, numbers, dates, booleans), styles, merged areas, column
// widths (stored widths converted to ColumnWidth) and row heights, the
// defaults of both, and the page setup. With a `window`, cells, widths and
// heights outside it are dropped while reading. Throws ReportError naming
// the file and the problem: a file that is no .xlsx workbook (a legacy
// binary one is named as such), a damaged part, a part beyond the limits.
WorkbookContents readWorkbook(const QString &fileName, const XlsxReadLimits &limits = {},
                              std::optional<SheetRange> window = std::nullopt);

// Parses a cell reference ("B12") into 1-based row and column; false when
// it is none or lies beyond the program's largest sheet.
bool parseCellReference(const char *text, int &row, int &col);

// The text the program's Value of a date cell converts to: "2024-03-05",
// with " 13:45:00" for a time of day, or the time alone below one day.
QString dateValueText(double serial, bool date1904);

} // namespace cellvex::xlsx
