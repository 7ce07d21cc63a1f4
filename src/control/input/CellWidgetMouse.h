#pragma once

#include "cells/WidgetGeometry.h"
#include "grid/selection/CellHitTest.h"

#include <cstdint>
#include <functional>

namespace cellvex {

class Report;

// Clicks on the widgets drawn in cells: the check box, the drop button and
// the button face. The cell surface paints them, so the mouse on them reaches
// the surface; a click is a left press and release on the same widget of the
// same cell, and it acts before the release goes on to the cell (the press and
// release still select the cell as any press does).
class CellWidgetMouse
{
public:
    // openDropList: a drop-down cell's button was clicked; input is prepared
    // with the list dropped down and the release must not prepare it again.
    // runActions: a button cell's face was clicked and OnButtonClick
    // answered; its action list is to be carried out.
    CellWidgetMouse(Report &report, std::function<void()> openDropList,
                    std::function<void(int col, int row)> runActions = {})
        : m_report(report), m_openDropList(std::move(openDropList)), m_runActions(std::move(runActions))
    {
    }

    // The widget of the hit cell under the point (None outside any widget).
    CellWidgetPart partAt(const CellHit &hit) const;
    // A left press (or the second press of a double-click) arms the widget under it.
    void press(const CellHit &hit);
    // The left release at `hit`: clicks the armed widget when the release is
    // on it. Returns whether a widget was clicked.
    bool release(const CellHit &hit);
    // The drop button or the button face was double-clicked: it acts as a click.
    bool doubleClick(const CellHit &hit);

private:
    bool click(int col, int row, CellWidgetPart part);

    Report &m_report;
    std::function<void()> m_openDropList;
    std::function<void(int, int)> m_runActions;
    CellWidgetPart m_armed = CellWidgetPart::None;
    int m_col = -1;
    int m_row = -1;
    std::uint64_t m_generation = 0;
};

} // namespace cellvex
