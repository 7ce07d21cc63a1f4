#include "formula/FormulaRecalculation.h"

#include "formula/FormulaCalculation.h"
#include "formula/FormulaText.h"
#include "grid/NumberText.h"
#include "grid/ValueAssignment.h"
#include "report/HostCallScope.h"
#include "report/Report.h"

namespace cellvex {

void explainCell(Report &report, int col, int row, const FormulaErrorHandler &onError)
{
    const Cell *cell = report.cell(col, row);
    if (!cell)
        return;
    const QString formula = cell->expressionText();
    if (trimBlanks(formula).isEmpty())
        return;
    // Held across the error report too: a host that answers OnError by
    // recomputing is part of the same chain.
    const HostCallScope scope(report);
    if (!scope.entered())
        return;
    const EvalResult<double> result = calcFormula(report, formula, col, row);
    if (result.ok()) {
        assignCellValue(report, col, row, generalNumberText(result.value));
        return;
    }
    assignCellValue(report, col, row, QString());
    if (onError)
        onError(QStringLiteral("公式错误，第") + QString::number(row + 1) + QStringLiteral("行，第") +
                QString::number(col + 1) + QStringLiteral("列，") + result.error);
}

void explainAll(Report &report, int order, const FormulaErrorHandler &onError)
{
    if (order != 0 && order != 1)
        return;
    const std::uint64_t generation = report.generation();
    // The counts are read again on every step: a handler may resize the grid.
    const auto rebuilt = [&] { return report.generation() != generation; };
    if (order == 0) {
        for (int c = 0; c < report.colCount() && !rebuilt(); ++c)
            for (int r = 0; r < report.rowCount() && !rebuilt(); ++r)
                explainCell(report, c, r, onError);
    } else {
        for (int r = 0; r < report.rowCount() && !rebuilt(); ++r)
            for (int c = 0; c < report.colCount() && !rebuilt(); ++c)
                explainCell(report, c, r, onError);
    }
}

} // namespace cellvex
