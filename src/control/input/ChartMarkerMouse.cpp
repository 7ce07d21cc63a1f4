#include "control/input/ChartMarkerMouse.h"

#include "report/ChartMarkerDrag.h"
#include "report/Report.h"

#include <Qt>

namespace cellvex {

void ChartMarkerMouse::press(const CellHit &hit)
{
    m_col = -1;
    if (!hit.valid())
        return;
    const Cell *c = m_report.cell(hit.col, hit.row);
    if (!c || !c->haveChart())
        return;
    if (pressChartMarker(m_report, hit.col, hit.row, QPointF(double(hit.x), double(hit.y)))) {
        m_col = hit.col;
        m_row = hit.row;
        m_generation = m_report.generation();
    }
}

bool ChartMarkerMouse::release(std::int64_t reportX, std::int64_t reportY)
{
    if (m_col < 0)
        return false;
    const int col = m_col, row = m_row;
    m_col = -1;
    // A chart that went with an old report has nothing to finish.
    if (m_report.generation() != m_generation)
        return false;
    const ReportRect r = m_report.cellRect(col, row);
    const QPointF at(double(reportX - r.x), double(reportY - r.y));
    const std::optional<AdjustedSeries> adjusted = releaseChartMarker(m_report, col, row, at);
    if (!adjusted)
        return false;
    if (adjusted->announce && m_adjusted)
        m_adjusted(col, row, adjusted->seriesType, adjusted->signText, adjusted->dataText);
    return true;
}

int ChartMarkerMouse::cursorAt(const CellHit &hit) const
{
    if (!hit.valid())
        return int(Qt::ArrowCursor);
    const Cell *c = m_report.cell(hit.col, hit.row);
    if (!c || !c->haveChart())
        return int(Qt::ArrowCursor);
    return chartCursorAt(m_report, hit.col, hit.row, QPointF(double(hit.x), double(hit.y)));
}

} // namespace cellvex
