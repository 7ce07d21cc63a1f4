#pragma once

#include "grid/layout/ScrollAxis.h"
#include "grid/layout/WheelAccumulator.h"

#include <cstdint>
#include <functional>

namespace cellvex {

class Report;

// Which part of the report is in view: the two scroll axes over the report's
// rulers, the interface positions LeftIndex and TopIndex, the wheel, keeping
// a pole or the selection in view, and the scroll-back when the viewport grows.
// Widget free; the control binds the scroll bars and raises the events.
//
// Every scroll step is a DisplayIndex change of one ruler, which costs a
// binary search over the ruler's lazily kept edges, never a walk over poles.
class ScrollController
{
public:
    // KeepInView steps through the scroll bar until it stops moving; this
    // bounds the walk even if a ruler reported inconsistent counts.
    static constexpr int kMaxKeepInViewSteps = 1024;

    explicit ScrollController(Report &report);
    ScrollController(const ScrollController &) = delete;
    ScrollController &operator=(const ScrollController &) = delete;

    ScrollAxis &x() { return m_x; }
    ScrollAxis &y() { return m_y; }
    const ScrollAxis &x() const { return m_x; }
    const ScrollAxis &y() const { return m_y; }
    ScrollAxis &axis(Orientation o) { return o == Orientation::Horizontal ? m_x : m_y; }

    // 1-based first displayed column / row. The puts accept any value.
    int leftIndex() const { return m_x.position(); }
    void setLeftIndex(std::int64_t v) { m_x.setPosition(v); }
    int topIndex() const { return m_y.position(); }
    void setTopIndex(std::int64_t v) { m_y.setPosition(v); }
    // Columns (rows) from LeftIndex (TopIndex) on that are completely visible.
    int displayCountX() const;
    int displayCountY() const;

    // Scrolls the axis until the 0-based pole is completely in view, step by
    // step through the scroll bar (used while dragging across the edge).
    void keepInView(Orientation axis, int pole);
    // Scrolls back to the selection's first column and row when they are
    // before the view, forward just far enough to show its last ones.
    void scrollSelectionIntoView();

    // The viewport (and with it both rulers) now has this size: when the grid
    // then ends left of (above) the viewport's edge, it scrolls back so that
    // the empty area shrinks.
    void viewportResized(int clientWidth, int clientHeight);
    // Scrolls the axis back to its limit when the surface's far edge (the
    // report's extent plus 3 pixels, placed at the scroll position) lies more
    // than `slack` pixels inside the viewport. True when it scrolled.
    bool scrollBackIfShort(Orientation axis, int slack);

    // One wheel message: rows scroll, or columns when all rows fit.
    bool wheel(int delta);

    // Hears the scrolling of both axes.
    void setListener(LayoutListener *listener)
    {
        m_x.setListener(listener);
        m_y.setListener(listener);
    }

private:
    Report &m_report;
    ScrollAxis m_x;
    ScrollAxis m_y;
    WheelAccumulator m_wheel;
};

} // namespace cellvex
