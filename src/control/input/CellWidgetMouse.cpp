#include "control/input/CellWidgetMouse.h"

#include "report/CellWidgetClicks.h"
#include "report/Report.h"

namespace cellvex {

CellWidgetPart CellWidgetMouse::partAt(const CellHit &hit) const
{
    const Cell *c = m_report.cell(hit.col, hit.row);
    if (!c)
        return CellWidgetPart::None;
    const ReportRect r = m_report.cellRect(hit.col, hit.row);
    // Widget rectangles are small; a point far outside the cell hits nothing.
    if (hit.x < 0 || hit.y < 0 || hit.x >= r.width || hit.y >= r.height)
        return CellWidgetPart::None;
    const CellFrame f = cellFrame(*c, int(r.width), int(r.height));
    return widgetAt(*c, f, QPoint(int(hit.x), int(hit.y)));
}

void CellWidgetMouse::press(const CellHit &hit)
{
    m_armed = partAt(hit);
    m_col = hit.col;
    m_row = hit.row;
    m_generation = m_report.generation();
}

bool CellWidgetMouse::release(const CellHit &hit)
{
    const CellWidgetPart armed = m_armed;
    m_armed = CellWidgetPart::None;
    // Handlers of the press may have rebuilt the report: the armed widget went with it.
    if (armed == CellWidgetPart::None || m_report.generation() != m_generation || hit.col != m_col ||
        hit.row != m_row || partAt(hit) != armed)
        return false;
    return click(m_col, m_row, armed);
}

bool CellWidgetMouse::doubleClick(const CellHit &hit)
{
    const CellWidgetPart part = partAt(hit);
    if (part != CellWidgetPart::DropButton && part != CellWidgetPart::ButtonFace)
        return false;
    return click(hit.col, hit.row, part);
}

bool CellWidgetMouse::click(int col, int row, CellWidgetPart part)
{
    if (part == CellWidgetPart::CheckBox)
        return clickCheckBox(m_report, col, row);
    // A button cell raises OnButtonClick, keeps the action list the host
    // hands back, and then carries it out.
    const ButtonAnswer answer = clickCellButton(m_report, col, row);
    if (answer == ButtonAnswer::OpenDropList && m_openDropList)
        m_openDropList();
    if (answer == ButtonAnswer::RunActions && m_runActions)
        m_runActions(col, row);
    return answer != ButtonAnswer::None;
}

} // namespace cellvex
