#pragma once

#include "grid/selection/CellHitTest.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace cellvex {

class Report;

// The mouse on chart cells: a left press on a draggable marker arms a drag,
// the left release (wherever the pointer is, as the chart holds the mouse
// from its press) finishes it, and the pointer shape follows the markers.
class ChartMarkerMouse
{
public:
    using Adjusted =
        std::function<void(int col, int row, int type, const QString &signText, const QString &dataText)>;
    ChartMarkerMouse(Report &report, Adjusted adjusted) : m_report(report), m_adjusted(std::move(adjusted)) {}

    // A left press at `hit` (a point inside the cell).
    void press(const CellHit &hit);
    // The left release at a point in report coordinates. Returns whether a
    // drag ended; the host may have rebuilt the report by then.
    bool release(std::int64_t reportX, std::int64_t reportY);
    // The pointer shape (Qt::CursorShape) for a hover over `hit`.
    int cursorAt(const CellHit &hit) const;

private:
    Report &m_report;
    Adjusted m_adjusted;
    int m_col = -1;
    int m_row = -1;
    std::uint64_t m_generation = 0;
};

} // namespace cellvex
