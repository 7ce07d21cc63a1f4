#pragma once

#include "export/ExportRange.h"

#include <QString>

namespace cellvex {

class Report;

// The report, or a range of it, as one HTML table that reproduces the grid:
// column widths and row heights (hidden ones left out), merged blocks as
// spans, alignment, borders, colours, fonts, check boxes and pictures. Cell
// pictures are written beside it as bitmap files named picturePath +
// "_C<col>C<row>" (0-based). Coordinates are 0-based; an invalid range (see
// exportRange) gives the empty string. Throws ReportError when a picture
// file cannot be written; files written before stay. The report is not changed.
QString transHtml(const Report &report, bool selected, int col1, int row1, int col2, int row2,
                  const QString &picturePath);

QString exportHtml(const Report &report, const ExportRange &range, const QString &picturePath);

} // namespace cellvex
