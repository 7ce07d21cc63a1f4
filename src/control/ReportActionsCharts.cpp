// Chart cells: the kind, the series, and what a finished marker drag tells
// the host.
#include "control/ReportActions.h"

#include "control/EventRaiser.h"
#include "report/ChartCellOps.h"

namespace cellvex {

void ReportActions::setChartCell(int col, int row, const QString &title, const QString &horizontal,
                                 const QString &vertical)
{
    if (cellvex::setChartCell(m_report, col, row, title, horizontal, vertical))
        inputAttributesChanged(col, row);
}

void ReportActions::addChartSeries(int col, int row, int type, const QString &signText,
                                   const QString &dataText)
{
    cellvex::addChartSeries(m_report, col, row, type, signText, dataText);
}

void ReportActions::clearChartSeries(int col, int row)
{
    cellvex::clearChartSeries(m_report, col, row);
}

void ReportActions::clearChartSeriesByAlias(const QString &alias)
{
    cellvex::clearChartSeriesByAlias(m_report, alias);
}

void ReportActions::refreshChartSnapshots()
{
    cellvex::refreshChartSnapshots(m_report);
}

void ReportActions::chartSeriesAdjusted(int col, int row, int type, const QString &signText,
                                        const QString &dataText)
{
    // The host hears first; the report is changed afterwards, unless the
    // handler replaced it with another one.
    const std::uint64_t generation = m_report.generation();
    m_events.adjustedSeries(col + 1, row + 1, type, signText, dataText);
    if (m_report.generation() == generation)
        m_report.setSaved(false);
}

} // namespace cellvex
