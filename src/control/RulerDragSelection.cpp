#include "RulerDragSelection.h"

#include "grid/selection/SelectionController.h"
#include "report/MergeExpansion.h"
#include "report/Report.h"

#include <algorithm>

namespace cellvex {

RulerDragSelection::RulerDragSelection(Report &report, SelectionController &selection)
    : m_report(report), m_sel(selection)
{
}

RulerModel &RulerDragSelection::ruler() const
{
    return m_orientation == Orientation::Horizontal ? m_report.colRuler() : m_report.rowRuler();
}

void RulerDragSelection::begin(Orientation orientation, int pole, int pos)
{
    m_orientation = orientation;
    const bool column = orientation == Orientation::Horizontal;
    m_lines = column ? m_report.colCount() : m_report.rowCount();
    m_across = column ? m_report.rowCount() : m_report.colCount();
    m_dragging = false;
    m_below.clear();
    m_above.clear();
    if (pole < 0 || pole >= m_lines || m_across == 0 || !m_report.hasSelection())
        return;
    const QRect s = m_report.selection();
    m_pole = pole;
    m_dragLine = column ? s.left() : s.top();
    m_lastPos = pos;
    m_generation = m_report.generation();
    m_dragging = true;
}

bool RulerDragSelection::end()
{
    m_dragging = false;
    const bool moved = m_moved;
    m_moved = false;
    m_below.clear();
    m_above.clear();
    return moved;
}

int RulerDragSelection::lineAt(std::int64_t target, bool growing) const
{
    // Growing: the last line whose leading edge lies before the target.
    // Shrinking: the last line whose leading edge is not beyond it (at least 0).
    const RulerModel &r = ruler();
    int lo = 0, hi = m_lines - 1, found = -1;
    while (lo <= hi) {
        const int mid = lo + (hi - lo) / 2;
        const std::int64_t e = r.poleEdge(mid);
        if (growing ? e < target : e <= target) {
            found = mid;
            lo = mid + 1;
        } else {
            hi = mid - 1;
        }
    }
    return found;
}

void RulerDragSelection::move(Orientation orientation, int pole, int pos)
{
    if (!m_dragging || orientation != m_orientation || pole != m_pole)
        return;
    const bool column = orientation == Orientation::Horizontal;
    // A handler may have replaced the report or changed its shape; the
    // drag's cached merge reach and pole belong to the old one.
    if (m_report.generation() != m_generation ||
        (column ? m_report.colCount() : m_report.rowCount()) != m_lines ||
        (column ? m_report.rowCount() : m_report.colCount()) != m_across) {
        m_dragging = false;
        return;
    }
    const std::int64_t target = std::int64_t(pos) + ruler().poleEdge(m_pole);
    const int old = m_dragLine;
    if (pos > m_lastPos)
        m_dragLine = std::max(m_dragLine, std::min(lineAt(target, true), m_lines - 1));
    else if (pos < m_lastPos)
        m_dragLine = std::min(m_dragLine, std::max(lineAt(target, false), 0));
    m_lastPos = pos;
    if (m_dragLine == old)
        return;

    m_moved = true;
    const auto [first, last] = closeOverMerges(std::min(m_pole, m_dragLine), std::max(m_pole, m_dragLine));
    if (column)
        m_report.setSelectionRect(first, 0, last, m_across - 1);
    else
        m_report.setSelectionRect(0, first, m_across - 1, last);
    if (m_report.poleVisible() > 0)
        ruler().setMoveSelected(first, last);
    // Cell colours follow the selection; a repaint shows the lines that
    // left and entered it.
    m_sel.repaint();
    if (column)
        m_sel.keepColumnInView(m_dragLine);
    else
        m_sel.keepRowInView(m_dragLine);
    if (!m_sel.raiseSelectChange(m_generation))
        m_dragging = false;
}

std::pair<int, int> RulerDragSelection::lineReach(int line) const
{
    const bool column = m_orientation == Orientation::Horizontal;
    int low = line, high = line;
    for (int k = 0; k < m_across; ++k) {
        const Cell *c = column ? m_report.cell(line, k) : m_report.cell(k, line);
        if (!c || c->sign() == MergeSign::None)
            continue;
        const QRect b = column ? cellRange(m_report, line, k) : cellRange(m_report, k, line);
        low = std::min(low, column ? b.left() : b.top());
        high = std::max(high, column ? b.right() : b.bottom());
    }
    return {low, high};
}

void RulerDragSelection::extendBelow(int k)
{
    while (int(m_below.size()) <= k) {
        const int i = int(m_below.size());
        std::pair<int, int> r = lineReach(m_pole - i);
        if (i > 0)
            r = {std::min(r.first, m_below.back().first), std::max(r.second, m_below.back().second)};
        m_below.push_back(r);
    }
}

void RulerDragSelection::extendAbove(int k)
{
    while (int(m_above.size()) <= k) {
        const int i = int(m_above.size());
        std::pair<int, int> r =
            i == 0 ? (m_below.empty() ? lineReach(m_pole) : m_below.front()) : lineReach(m_pole + i);
        if (i > 0)
            r = {std::min(r.first, m_above.back().first), std::max(r.second, m_above.back().second)};
        m_above.push_back(r);
    }
}

std::pair<int, int> RulerDragSelection::closeOverMerges(int first, int last)
{
    // Blocks reach at most the report's ends (cellRange clamps them), so
    // the span only grows and the loop ends.
    while (true) {
        extendBelow(m_pole - first);
        extendAbove(last - m_pole);
        const int low = std::min(m_below[size_t(m_pole - first)].first, m_above[size_t(last - m_pole)].first);
        const int high =
            std::max(m_below[size_t(m_pole - first)].second, m_above[size_t(last - m_pole)].second);
        if (low >= first && high <= last)
            return {first, last};
        first = std::min(first, low);
        last = std::max(last, high);
    }
}

} // namespace cellvex
