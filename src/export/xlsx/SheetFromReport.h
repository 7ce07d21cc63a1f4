#pragma once

#include "Worksheet.h"

namespace cellvex {

class Report;
struct ExportRange;

namespace xlsx {

// The worksheet that TransExcel fills from a range of the report: named
// "Cellvex", the range's first cell at A1, widths and heights converted,
// every cell but those covered by a merge written with its font, alignment,
// colours, value, wrapping, protection, borders and picture; merged blocks
// as merged areas, clipped to the range. The page setup is copied only
// when `withPageSetup` (the program takes it from a printer).
Worksheet sheetFromReport(const Report &report, const ExportRange &range, bool withPageSetup);

// The value a caption is written with: a number when the caption is the
// general text of a number (so that it reads back the same), text otherwise.
void setSheetValue(SheetCell &cell, const QString &caption);

// The program's RGB of a report colour, system colours resolved.
Rgb sheetColor(std::uint32_t colorRef);

} // namespace xlsx
} // namespace cellvex
