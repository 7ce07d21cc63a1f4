#pragma once

#include "rulers/RulerModel.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace cellvex {

class Report;
class SelectionController;

// Selecting whole columns (rows) by dragging along a ruler: the button went
// down on a pole, which selected that line; moving the pointer along the
// ruler grows or shrinks the selection to the line under it, always over the
// whole height (width) of the report. Widget free.
//
// A mouse move must not cost time in proportion to the report: the line
// under the pointer is found by binary search on the ruler's edges, and the
// merged blocks that widen the selection are read once per line and drag
// (each line's reach is cached in running minima and maxima outward from
// the pressed line, so any span holding it is answered in constant time).
class RulerDragSelection
{
public:
    RulerDragSelection(Report &report, SelectionController &selection);

    // After a left press on pole `pole` selected its line: the drag starts
    // from the selection's first line with the pointer at `pos` (along the
    // axis, relative to the pressed pole).
    void begin(Orientation orientation, int pole, int pos);
    // The pointer moved to `pos` relative to `pole` (where the button went
    // down). Does nothing unless a drag from that pole is on.
    void move(Orientation orientation, int pole, int pos);
    // Button released: the drag ends; true when the selection changed during it.
    bool end();

    bool dragging() const { return m_dragging; }
    bool moved() const { return m_moved; }
    int dragLine() const { return m_dragLine; }

private:
    RulerModel &ruler() const;
    int lineAt(std::int64_t target, bool growing) const;
    // The span first..last grown until no merged block crosses its ends.
    std::pair<int, int> closeOverMerges(int first, int last);
    // Reach of the merged blocks in one line: the lowest and highest line they cover.
    std::pair<int, int> lineReach(int line) const;
    // Extends the running reach from the pressed line outward to `k` lines.
    void extendBelow(int k);
    void extendAbove(int k);

    Report &m_report;
    SelectionController &m_sel;
    Orientation m_orientation = Orientation::Horizontal;
    bool m_dragging = false;
    bool m_moved = false;
    int m_pole = -1;
    int m_dragLine = -1;
    std::int64_t m_lastPos = 0;
    std::uint64_t m_generation = 0;
    int m_lines = 0;  // lines along the axis when the drag began
    int m_across = 0; // lines across it

    // Running [min low, max high] over lines pole - k .. pole (below) and
    // pole .. pole + k (above), for k = index.
    std::vector<std::pair<int, int>> m_below, m_above;
};

} // namespace cellvex
