#include "PoleSizer.h"

#include "common/Geometry.h"
#include "grid/layout/ScrollController.h"
#include "report/Report.h"

#include <algorithm>

namespace cellvex {

RulerModel &PoleSizer::ruler(Orientation axis)
{
    return axis == Orientation::Horizontal ? m_report.colRuler() : m_report.rowRuler();
}

bool PoleSizer::setColWidth(int col, int width)
{
    return resizePole(Orientation::Horizontal, col, width == 1 ? m_report.colRuler().defaultRange() : width);
}

bool PoleSizer::setRowHeight(int row, int height)
{
    return resizePole(Orientation::Vertical, row, height == 1 ? m_report.rowRuler().defaultRange() : height);
}

bool PoleSizer::resizePole(Orientation axis, int pole, int newRange)
{
    RulerModel &r = ruler(axis);
    if (pole < 0 || pole >= r.poleCount() || newRange < 0 || newRange > kMaxRange)
        return false;
    if (newRange == r.panelRange(pole))
        return false; // nothing changes, Saved included
    // The report's extent must stay a window coordinate, as for a new report.
    if (!fitsPixelExtent(r.totalLength() - r.panelRange(pole) + newRange + 3))
        return false;
    if (m_listener)
        m_listener->beforeResize();
    r.setPoleRange(pole, newRange);
    finishResize(axis, pole);
    return true;
}

void PoleSizer::applyResizeDrag(Orientation axis, int pole)
{
    RulerModel &r = ruler(axis);
    if (pole < 0 || pole >= r.poleCount())
        return;
    if (m_listener)
        m_listener->beforeResize();
    int firstChanged = pole;
    const bool whole = axis == Orientation::Horizontal ? m_report.wholeColumnMode() : m_report.wholeRowMode();
    if (whole && m_report.hasSelection()) {
        const QRect s = m_report.selection();
        const int first = std::max(axis == Orientation::Horizontal ? s.left() : s.top(), 0);
        const int last =
            std::min(axis == Orientation::Horizontal ? s.right() : s.bottom(), r.poleCount() - 1);
        if (pole >= first && pole <= last) {
            // The selected poles take the dragged pole's range in one bulk
            // change (a whole-row selection may hold a million rows), unless
            // the report would grow wider than a window coordinate.
            const std::int64_t run = r.poleEdge(last + 1) - r.poleEdge(first);
            const std::int64_t total =
                r.totalLength() - run + std::int64_t(last - first + 1) * r.panelRange(pole) + 3;
            if (fitsPixelExtent(total)) {
                r.setPoleRanges(first, last, r.panelRange(pole));
                firstChanged = first;
            }
        }
    }
    finishResize(axis, firstChanged);
}

void PoleSizer::finishResize(Orientation axis, int firstChanged)
{
    RulerModel &r = ruler(axis);
    // The report changed whatever the follow-up does.
    m_report.setSaved(false);
    // A pole before the first displayed one moved the displayed ones; keep
    // that first pole at the viewport's edge so rulers and cells line up.
    if (firstChanged < r.displayIndex())
        r.setDisplayIndex(r.displayIndex());
    m_scroll.scrollBackIfShort(axis, 0);
    if (m_listener)
        m_listener->geometryChanged(axis);
}

} // namespace cellvex
