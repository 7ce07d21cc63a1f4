#pragma once

#include <QString>

namespace cellvex {

class Cell;
class FontTable;

// The CSS declarations that make one table cell of a standalone HTML page
// look like the cell on the grid: its border strips with their widths, the
// background, the font (family with a generic fallback, size, weight,
// style, lines, colour) and the alignments. Only what differs from the
// page's base cell rule is written; the text is meant for a rule inside a
// <style> element.
QString htmlCellStyle(const Cell &cell, const FontTable &fonts, bool picture);

// "#RRGGBB"; a system colour is resolved the way the grid paints it.
QString cssColor(unsigned colorRef);

// A CSS string literal of `text` in double quotes, safe inside a <style>
// element: quotes, backslashes, the angle brackets (which could close the
// element), braces and semicolons are written as escapes, control
// characters dropped.
QString cssString(const QString &text);

} // namespace cellvex
