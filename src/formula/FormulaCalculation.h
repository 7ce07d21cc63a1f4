#pragma once

#include "formula/EvalResult.h"

#include <QString>

namespace cellvex {

class Report;

// Computes a cell formula for the cell at 0-based (col, row): aliases become
// coordinates, the text is lower-cased (A-Z only), every getcell(x, y)
// becomes the referenced caption as it stands ("0" outside the grid or when
// empty), the aggregates become numbers, and the result is evaluated.
//
// A malformed reference or any aggregate failure gives 0 without an error;
// a text the evaluator refuses gives its message. Captions are pasted in
// unchanged, so "-5" after an operator or "1E20" fails there as written.
// Captions are pasted once: the search for references goes on after each,
// so a caption that itself reads "getcell(...)" is not expanded again.
EvalResult<double> calcFormula(const Report &report, const QString &formula, int col, int row);

} // namespace cellvex
