#include "formula/Expressions.h"

#include "report/Report.h"

#include <exception>

namespace cellvex {

void setCellExpression(Report &report, int col, int row, const QString &expression)
{
    Cell *cell = report.cell(col, row);
    if (!cell)
        return;
    cell->setExpressionText(expression);
    report.setSaved(false);
}

QString getCellExpression(const Report &report, int col, int row)
{
    const Cell *cell = report.cell(col, row);
    return cell ? cell->expressionText() : QString();
}

void explainCellExpression(Report &report, int col, int row, const FormulaErrorHandler &onError)
{
    report.setEditing(false);
    if (!report.contains(col, row))
        return;
    explainCell(report, col, row, onError);
    report.setSaved(false);
}

void explainAllExpression(Report &report, int order, const FormulaErrorHandler &onError)
{
    report.setEditing(false);
    try {
        explainAll(report, order, onError);
    } catch (const std::exception &) {
        // The member reports success whatever the pass met.
    }
    report.setSaved(false);
}

} // namespace cellvex
