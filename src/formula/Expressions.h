#pragma once

#include "formula/FormulaRecalculation.h"

#include <QString>

namespace cellvex {

class Report;

// The formula members on the model, 0-based. A cell outside the grid makes a
// setter do nothing and a getter answer "". The caller finishes pending
// in-place input first where the member does (the Explain members).

// Stores the formula text unchanged (it is not computed) and marks the
// report changed.
void setCellExpression(Report &report, int col, int row, const QString &expression);
QString getCellExpression(const Report &report, int col, int row);

// Leaves input mode, computes the one cell and marks the report changed,
// even when the cell has no formula. Throws what the assignment throws.
void explainCellExpression(Report &report, int col, int row, const FormulaErrorHandler &onError);

// Leaves input mode, computes every formula in the order (see explainAll)
// and marks the report changed whatever the order. A failure of the value
// assignment ends the pass silently; the cells done so far keep their values.
void explainAllExpression(Report &report, int order, const FormulaErrorHandler &onError);

} // namespace cellvex
