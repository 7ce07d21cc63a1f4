#pragma once

#include <QString>

namespace cellvex {

class Report;

// The one path by which a value from outside a cell's own editors enters the
// cell (member calls, formulas, scripts, filling, replacing, pasting, import).
// The cell's kind and format decide what is stored:
//   text cell      by its format (letter case and byte limit, whole numbers,
//                  real numbers by pattern or significant digits); other
//                  format codes ignore the value
//   drop-down      only a value equal to one of its item lines; the caption
//                  setter runs even when the caption already equals it
//   date           only a valid date, or "" to clear
//   button         the value becomes the button's name, written directly
//   check box      "1" checks, anything else unchecks
//   chart, other   ignored
// Captions change only through Report::setCellCaption, and only when the text
// differs (except for drop-down items), so the change hooks run exactly for
// real changes. Does not finish input and does not touch Saved: callers do.
// A cell outside the report is left alone. Throws ReportError (nothing
// changed) for a real number that is not a number and for a date cell whose
// present caption is no date.
void assignCellValue(Report &report, int col, int row, const QString &text);

} // namespace cellvex
