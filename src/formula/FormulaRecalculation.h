#pragma once

#include <QString>

#include <functional>

namespace cellvex {

class Report;

// Receives the text of a formula failure ("公式错误，第R行，第C列，" and the
// message); the control raises OnError with it when a host listens.
using FormulaErrorHandler = std::function<void(const QString &message)>;

// Computes the formula of the cell at 0-based (col, row) and stores the
// result through the value-assignment path as number text; a failure stores
// the empty value and then reports the error. A cell without a formula (or
// with blanks only) is left alone, as is a cell outside the grid. A
// computation reached through a chain of caption changes that is already
// at the report's limit is skipped. Throws what the assignment throws.
void explainCell(Report &report, int col, int row, const FormulaErrorHandler &onError);

// Computes every formula once, without dependency analysis: order 0 goes
// column by column (top to bottom in each), order 1 row by row (left to
// right in each), any other order does nothing. A formula that reads a cell
// computed later in the pass sees its old value; hosts rely on choosing the
// order. The pass ends early when a handler rebuilt the report under it.
void explainAll(Report &report, int order, const FormulaErrorHandler &onError);

} // namespace cellvex
