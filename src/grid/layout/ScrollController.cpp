#include "ScrollController.h"

#include "report/Report.h"

namespace cellvex {

ScrollController::ScrollController(Report &report)
    : m_report(report), m_x(report.colRuler()), m_y(report.rowRuler())
{
}

int ScrollController::displayCountX() const
{
    return m_report.colRuler().displayCount();
}

int ScrollController::displayCountY() const
{
    return m_report.rowRuler().displayCount();
}

void ScrollController::keepInView(Orientation o, int pole)
{
    ScrollAxis &a = axis(o);
    const RulerModel &r = a.ruler();
    int steps = 0;
    while (steps < kMaxKeepInViewSteps && pole >= std::int64_t(r.displayIndex()) + r.displayCount()) {
        ++steps;
        if (!a.stepBy(std::int64_t(pole) - r.displayIndex() - r.displayCount() + 1))
            break;
    }
    while (steps < kMaxKeepInViewSteps && pole < r.displayIndex()) {
        ++steps;
        if (!a.stepBy(std::int64_t(pole) - r.displayIndex()))
            break;
    }
}

void ScrollController::scrollSelectionIntoView()
{
    if (!m_report.hasSelection())
        return;
    const QRect s = m_report.selection();
    m_x.setPosition(std::int64_t(m_report.colRuler().getDisplayIndex(s.left(), s.right())) + 1);
    m_y.setPosition(std::int64_t(m_report.rowRuler().getDisplayIndex(s.top(), s.bottom())) + 1);
}

void ScrollController::viewportResized(int clientWidth, int clientHeight)
{
    // The rulers span the viewport along their axes; their counts must be
    // current before deciding whether to scroll back.
    if (m_report.colRuler().length() != clientWidth)
        m_report.colRuler().setLength(clientWidth);
    if (m_report.rowRuler().length() != clientHeight)
        m_report.rowRuler().setLength(clientHeight);
    scrollBackIfShort(Orientation::Horizontal, 1);
    scrollBackIfShort(Orientation::Vertical, 1);
}

bool ScrollController::scrollBackIfShort(Orientation o, int slack)
{
    ScrollAxis &a = axis(o);
    const RulerModel &r = a.ruler();
    // A pole left partly outside the view means the grid reaches past the
    // edge; this spares summing the whole report after every size change.
    if (std::int64_t(r.displayIndex()) + r.displayCount() < r.poleCount())
        return false;
    const std::int64_t farEdge = r.totalLength() + 3 - r.poleEdge(r.displayIndex());
    if (farEdge >= r.length() - slack)
        return false;
    return a.setPosition(a.limit());
}

bool ScrollController::wheel(int delta)
{
    ScrollAxis &a = m_y.maximum() == m_y.pageSize() ? m_x : m_y;
    const int step = m_wheel.add(delta, a.position(), a.ruler().displayCount(), a.ruler().poleCount());
    return step != 0 && a.stepBy(step);
}

} // namespace cellvex
