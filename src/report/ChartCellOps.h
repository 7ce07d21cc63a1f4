#pragma once

#include "report/Report.h"

#include <QImage>
#include <QString>

#include <optional>

namespace cellvex {

// Chart cells in a report, 0-based. Cells outside the grid are left alone
// (setters return false, getters empty texts); every acting setter marks the
// report changed and repaints the cell. Callers finish in-place input first
// where the member says so.

// Makes the cell a chart cell (the kind change of CellKindOps.h: widgets of
// other kinds removed, the caption cleared through the caption setter) and
// sets title and axis texts; a chart cell keeps its series. A cell with a
// diagonal becomes kind 11 without a chart.
bool setChartCell(Report &report, int col, int row, const QString &title, const QString &horizontal,
                  const QString &vertical);

// Adds a series entry to a cell's chart, whatever the cell's kind (a cell
// without chart ignores it). Throws ReportError, adding nothing, for values
// the series cannot hold (ChartSeriesText.h).
bool addChartSeries(Report &report, int col, int row, int type, const QString &signText,
                    const QString &dataText);
bool clearChartSeries(Report &report, int col, int row);
// The same on the first cell carrying the alias, only when it is a chart cell.
bool addChartSeriesByAlias(Report &report, const QString &alias, int type, const QString &signText,
                           const QString &dataText);
bool clearChartSeriesByAlias(Report &report, const QString &alias);

// The chart's background from a picture file (a non-empty name; throws
// ReportError for a file that is no picture), or none (an empty name).
bool setChartPicture(Report &report, int col, int row, const QString &fileName, bool stretch);

// Title and axis texts of a chart cell as last given; empty for other kinds.
void chartTexts(const Report &report, int col, int row, QString &title, QString &horizontal,
                QString &vertical);
// Three lines (type, sign text, data text, each ended by CR LF) per series
// entry of a chart cell, companion entries included; empty otherwise.
QString allSeriesText(const Report &report, int col, int row);

// Renders the cell's chart snapshot at the cell's present size.
void rebuildChartSnapshot(Report &report, int col, int row);
// Renders again every snapshot whose cell changed size since (column widths,
// row heights and merges change sizes without telling the cells). Returns
// how many were rendered.
int refreshChartSnapshots(Report &report);
// The same for one cell, when stale; true when it rendered.
bool refreshChartSnapshot(Report &report, int col, int row);

} // namespace cellvex
