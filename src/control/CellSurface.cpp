#include "CellSurface.h"

#include "cells/CellDrawing.h"
#include "control/widgets/LinePanel.h"
#include "print/PageBreakLines.h"
#include "report/ChartCellOps.h"
#include "report/Report.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace cellvex {

CellSurface::CellSurface(Report &report, QWidget *parent) : QWidget(parent), m_report(report)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
}

std::int64_t CellSurface::originX() const
{
    const RulerModel &r = m_report.colRuler();
    return r.count() > 0 ? r.poleEdge(r.displayIndex()) : 0;
}

std::int64_t CellSurface::originY() const
{
    const RulerModel &r = m_report.rowRuler();
    return r.count() > 0 ? r.poleEdge(r.displayIndex()) : 0;
}

namespace {

// First and last pole touching [from, to] in ruler offsets; last < first when none.
std::pair<int, int> polesInRange(const RulerModel &ruler, std::int64_t from, std::int64_t to)
{
    const int n = ruler.count();
    if (n == 0 || to < 0 || from >= ruler.totalLength())
        return {0, -1};
    int first = ruler.poleAtOffset(std::max<std::int64_t>(from, 0));
    int last = ruler.poleAtOffset(std::min(to, ruler.totalLength() - 1));
    if (first < 0)
        first = 0;
    if (last < 0)
        last = n - 1;
    return {first, last};
}

} // namespace

void CellSurface::paintArea(QPainter &p, const QRect &area) const
{
    p.fillRect(area, Qt::white);
    const std::int64_t ox = originX(), oy = originY();
    const auto [c0, c1] = polesInRange(m_report.colRuler(), ox + area.left(), ox + area.right());
    const auto [r0, r1] = polesInRange(m_report.rowRuler(), oy + area.top(), oy + area.bottom());
    if (c1 < c0 || r1 < r0)
        return;

    const CellMatrix &cells = m_report.cells();
    auto paintOne = [&](int col, int row) {
        const ReportRect rr = m_report.cellRect(col, row);
        if (rr.width <= 0 || rr.height <= 0)
            return;
        const QRect target(int(rr.x - ox), int(rr.y - oy), int(std::min<std::int64_t>(rr.width, 1 << 28)),
                           int(std::min<std::int64_t>(rr.height, 1 << 28)));
        if (!target.intersects(area))
            return;
        // A chart is drawn from its snapshot; a column or row that changed
        // size since leaves it at the old size, so it is rendered again once.
        if (cells.at(col, row).haveChart())
            refreshChartSnapshot(m_report, col, row);
        paintCell(p, cells.at(col, row), target, m_report.displayedColor(col, row), m_report.fonts());
    };

    // Masters of blocks that begin outside the view still cover visible cells.
    std::vector<std::pair<int, int>> outsideMasters;
    for (int c = c0; c <= c1; ++c) {
        for (int r = r0; r <= r1; ++r) {
            if (!cells.contains(c, r))
                continue;
            const Cell &cell = cells.at(c, r);
            if (cell.sign() == MergeSign::Covered) {
                const BlockBounds b = cell.block();
                if ((b.left < c0 || b.top < r0) && cells.contains(b.left, b.top))
                    outsideMasters.emplace_back(b.left, b.top);
                continue;
            }
            paintOne(c, r);
        }
    }
    std::sort(outsideMasters.begin(), outsideMasters.end());
    outsideMasters.erase(std::unique(outsideMasters.begin(), outsideMasters.end()), outsideMasters.end());
    for (const auto &[c, r] : outsideMasters)
        paintOne(c, r);
    paintBreakLines(p, area);
}

void CellSurface::paintBreakLines(QPainter &p, const QRect &area) const
{
    if (!m_breakLines || m_breakLines->empty())
        return;
    const std::int64_t ox = originX(), oy = originY();
    const QRect clip = area.adjusted(-1, -1, 1, 1);
    p.save();
    for (const PageBreakLine &l : *m_breakLines) {
        // Clip in 64 bit before narrowing: lines of a huge report reach far beyond the view.
        const std::int64_t x0 = l.x - ox, y0 = l.y - oy;
        const std::int64_t x1 = l.vertical ? x0 : x0 + l.length - 1;
        const std::int64_t y1 = l.vertical ? y0 + l.length - 1 : y0;
        if (x1 < clip.left() || x0 > clip.right() || y1 < clip.top() || y0 > clip.bottom())
            continue;
        auto cl = [](std::int64_t v, int lo, int hi) { return int(std::clamp<std::int64_t>(v, lo, hi)); };
        p.setPen(LinePanel::penFor(l.lineType));
        p.drawLine(cl(x0, clip.left(), clip.right()), cl(y0, clip.top(), clip.bottom()),
                   cl(x1, clip.left(), clip.right()), cl(y1, clip.top(), clip.bottom()));
    }
    p.restore();
}

void CellSurface::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    paintArea(p, event->rect());
}

void CellSurface::updateCell(int col, int row)
{
    // A hidden surface repaints nothing (update() would drop the rectangle):
    // a host filling a report before showing it spares the ruler lookups.
    if (!isVisible())
        return;
    const ReportRect rr = m_report.cellRect(col, row);
    const std::int64_t x = rr.x - originX(), y = rr.y - originY();
    if (x > width() || y > height() || x + rr.width < 0 || y + rr.height < 0)
        return;
    update(QRect(int(std::max<std::int64_t>(x, -1)), int(std::max<std::int64_t>(y, -1)),
                 int(std::min<std::int64_t>(rr.width, width() + 2)),
                 int(std::min<std::int64_t>(rr.height, height() + 2))));
}

} // namespace cellvex
