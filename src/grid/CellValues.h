#pragma once

#include <QString>

namespace cellvex {

class Report;

// The value members of the control on the 0-based model. The
// control finishes pending input and ends editing before each of them (the
// members that read or change cells all do), then calls these.

// Assigns through assignCellValue when the cell is inside the report (covered
// cells too: the value is stored though not shown) and marks the report changed.
void setCellValue(Report &report, int col, int row, const QString &value);
// The same for the first cell with the alias, columns first and each column
// from the top; an unknown or empty alias does nothing.
void setCellValueByAlias(Report &report, const QString &alias, const QString &value);
// The caption; "" outside the report or for an unknown alias.
QString getCellValue(const Report &report, int col, int row);
QString getCellValueByAlias(const Report &report, const QString &alias);

} // namespace cellvex
