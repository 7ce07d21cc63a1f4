#pragma once

#include "Worksheet.h"

#include "document/LoadedReport.h"

namespace cellvex::xlsx {

// The first and last column and row of the worksheet range TransFormExcel
// imports, 1-based.
struct ImportRange
{
    int firstCol = 1;
    int lastCol = 1;
    int firstRow = 1;
    int lastRow = 1;

    int colCount() const { return lastCol - firstCol + 1; }
    int rowCount() const { return lastRow - firstRow + 1; }
    // The range with the column to its right and the row below, whose
    // borders count for its last column and row.
    SheetRange readWindow() const;
};

// Throws ReportError when the range is reversed, starts before the first
// row or column, or reaches beyond the range the sheet uses.
void checkImportRange(const ImportRange &range, const SheetRange &used);

// The report TransFormExcel builds from a range of a worksheet, as a loaded
// report that replaces the present one in one step: rulers from the widths
// and heights, cells with their fonts, alignment, colours, wrapping and
// values, the sheet's merged areas clipped to the range, the borders the
// sheet draws solid (or dash-dotted), and the page setup (only `withPrinter`;
// else the defaults). The report's other page settings and its scripts
// start anew. Throws ReportError when the range holds more cells than a
// report may, or than the memory available can hold.
LoadedReport reportFromSheet(const Worksheet &sheet, const ImportRange &range, bool withPrinter,
                             int pixelsPerInch);

} // namespace cellvex::xlsx
