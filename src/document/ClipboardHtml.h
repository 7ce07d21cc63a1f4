#pragma once

#include <QRect>
#include <QString>

namespace cellvex {

class Report;

// The block (0-based, inclusive, inside the grid) as an HTML table for
// other programs' paste: each cell's caption, escaped, line breaks as
// <br/>; a merged block as one cell with rowspan and colspan, its covered
// cells left out.
QString clipboardHtml(const Report &report, const QRect &block);

} // namespace cellvex
