#include "report/ChartCellOps.h"

#include "cells/ChartCell.h"
#include "cells/PictureLoader.h"
#include "report/CellKindOps.h"

#include <algorithm>
#include <limits>

namespace cellvex {

namespace {

QSize cellSize(const Report &report, int col, int row)
{
    const ReportRect r = report.cellRect(col, row);
    constexpr std::int64_t most = std::numeric_limits<int>::max();
    return QSize(int(std::clamp<std::int64_t>(r.width, 0, most)),
                 int(std::clamp<std::int64_t>(r.height, 0, most)));
}

// A change of the chart: the snapshot follows, the report is changed and
// the cell repainted.
void chartChanged(Report &report, int col, int row, Cell &cell)
{
    renderChartSnapshot(cell, cellSize(report, col, row));
    report.setSaved(false);
    report.cellChanged(col, row, ReportChange::Value | ReportChange::Appearance);
}

bool chartCellByAlias(const Report &report, const QString &alias, int &col, int &row)
{
    if (!report.findAlias(alias, col, row))
        return false;
    const Cell *c = report.cell(col, row);
    return c && c->kind() == CellKind::Chart;
}

} // namespace

bool setChartCell(Report &report, int col, int row, const QString &title, const QString &horizontal,
                  const QString &vertical)
{
    Cell *c = changeCellKind(report, col, row, CellKind::Chart);
    if (!c)
        return false;
    if (applyChart(*c, report.fonts().font(c->fontId()), ChartInfo{title, horizontal, vertical}))
        chartChanged(report, col, row, *c);
    return true;
}

bool addChartSeries(Report &report, int col, int row, int type, const QString &signText,
                    const QString &dataText)
{
    Cell *c = report.cell(col, row);
    if (!c || !c->chart())
        return false;
    if (!appendChartSeries(*c, type, signText, dataText)) {
        // Nothing was added; the chart is drawn again all the same.
        renderChartSnapshot(*c, cellSize(report, col, row));
        return false;
    }
    chartChanged(report, col, row, *c);
    return true;
}

bool clearChartSeries(Report &report, int col, int row)
{
    Cell *c = report.cell(col, row);
    if (!c || !clearChartSeries(*c))
        return false;
    chartChanged(report, col, row, *c);
    return true;
}

bool addChartSeriesByAlias(Report &report, const QString &alias, int type, const QString &signText,
                           const QString &dataText)
{
    int col = 0, row = 0;
    return chartCellByAlias(report, alias, col, row) &&
           addChartSeries(report, col, row, type, signText, dataText);
}

bool clearChartSeriesByAlias(Report &report, const QString &alias)
{
    int col = 0, row = 0;
    return chartCellByAlias(report, alias, col, row) && clearChartSeries(report, col, row);
}

bool setChartPicture(Report &report, int col, int row, const QString &fileName, bool stretch)
{
    Cell *c = report.cell(col, row);
    if (!c || !c->chart())
        return false;
    // Decode first: a file that is no picture changes nothing.
    const QImage image = fileName.isEmpty() ? QImage() : loadCellPicture(fileName);
    setChartBackground(*c, image, stretch);
    chartChanged(report, col, row, *c);
    return true;
}

void chartTexts(const Report &report, int col, int row, QString &title, QString &horizontal,
                QString &vertical)
{
    title.clear();
    horizontal.clear();
    vertical.clear();
    const Cell *c = report.cell(col, row);
    if (!c || c->kind() != CellKind::Chart || !c->extensionIfAny())
        return;
    const ChartInfo &info = c->extensionIfAny()->chartInfo;
    title = info.titleText;
    horizontal = info.horizontalText;
    vertical = info.verticalText;
}

QString allSeriesText(const Report &report, int col, int row)
{
    const Cell *c = report.cell(col, row);
    if (!c || c->kind() != CellKind::Chart || !c->extensionIfAny())
        return QString();
    QString out;
    const QLatin1String crlf("\r\n");
    for (const ChartSeriesInfo &s : c->extensionIfAny()->seriesInfo) {
        out += QString::number(s.seriesType) + crlf;
        out += s.signText + crlf;
        out += s.dataText + crlf;
    }
    return out;
}

void rebuildChartSnapshot(Report &report, int col, int row)
{
    if (Cell *c = report.cell(col, row))
        renderChartSnapshot(*c, cellSize(report, col, row));
}

bool refreshChartSnapshot(Report &report, int col, int row)
{
    Cell *c = report.cell(col, row);
    if (!c || !c->chart())
        return false;
    const QSize size = cellSize(report, col, row);
    if (!chartSnapshotStale(*c, size))
        return false;
    renderChartSnapshot(*c, size);
    return true;
}

int refreshChartSnapshots(Report &report)
{
    int rendered = 0;
    const int cols = report.colCount(), rows = report.rowCount();
    for (int col = 0; col < cols; ++col)
        for (int row = 0; row < rows; ++row)
            if (const Cell *c = report.cell(col, row); c && c->haveChart())
                rendered += refreshChartSnapshot(report, col, row) ? 1 : 0;
    return rendered;
}

} // namespace cellvex
