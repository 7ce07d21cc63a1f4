#pragma once

#include <QString>

namespace cellvex::xlsx {

// The unit conversions between a report (pixels, millimetres) and the
// spreadsheet program (characters of the standard font, points).

// Column width in characters for a column `pixels` wide: 8 pixels a
// character past the first 13, and below that a fraction of 13.
double columnWidthFromPixels(int pixels);
// The inverse, rounded to whole pixels; a negative width gives 0.
int pixelsFromColumnWidth(double width);

// Row height in points for `pixels` (3/4 of a pixel), and back rounded.
double rowHeightFromPixels(int pixels);
int pixelsFromRowHeight(double points);

// A margin of `mm` millimetres in points at `pixelsPerInch`, and back: the
// whole number of millimetres written with ".0" as page settings hold it.
double marginPoints(double mm, int pixelsPerInch);
QString marginMillimetreText(double points, int pixelsPerInch);

// A workbook stores a column width with the cell padding of its standard
// font (a maximum digit width of 7 pixels and 5 pixels of padding), rounded
// to whole pixels; these turn a stored width into the width the program
// shows (ColumnWidth) and back, the way libxlsxwriter stores it.
double columnWidthFromStored(double stored);
double storedFromColumnWidth(double width);

} // namespace cellvex::xlsx
