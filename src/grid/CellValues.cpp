#include "grid/CellValues.h"

#include "grid/ValueAssignment.h"
#include "report/Report.h"

namespace cellvex {

void setCellValue(Report &report, int col, int row, const QString &value)
{
    if (!report.contains(col, row))
        return;
    assignCellValue(report, col, row, value);
    report.setSaved(false);
}

void setCellValueByAlias(Report &report, const QString &alias, const QString &value)
{
    int col = 0, row = 0;
    if (!report.findAlias(alias, col, row))
        return;
    assignCellValue(report, col, row, value);
    report.setSaved(false);
}

QString getCellValue(const Report &report, int col, int row)
{
    const Cell *cell = report.cell(col, row);
    return cell ? cell->caption() : QString();
}

QString getCellValueByAlias(const Report &report, const QString &alias)
{
    int col = 0, row = 0;
    if (!report.findAlias(alias, col, row))
        return QString();
    return getCellValue(report, col, row);
}

} // namespace cellvex
