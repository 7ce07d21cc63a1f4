#include "CellMouseInput.h"

#include "SelectionController.h"
#include "report/MergeExpansion.h"
#include "report/Report.h"

#include <algorithm>

namespace cellvex {

CellHit CellMouseInput::pressedCell(const CellHit &hit) const
{
    const Report &r = m_sel.report();
    if (!hit.valid() || !r.contains(hit.col, hit.row))
        return CellHit{};
    const QPoint m = masterCell(r, hit.col, hit.row);
    CellHit cell = hit;
    cell.col = m.x();
    cell.row = m.y();
    cell.x += r.colRuler().poleEdge(hit.col) - r.colRuler().poleEdge(m.x());
    cell.y += r.rowRuler().poleEdge(hit.row) - r.rowRuler().poleEdge(m.y());
    return cell;
}

void CellMouseInput::selectPressed(const CellHit &cell)
{
    Report &r = m_sel.report();
    const QRect range = cellRange(r, cell.col, cell.row);
    r.setSelectionRect(range.left(), range.top(), range.right(), range.bottom());
    r.setInputCell(cell.col, cell.row);
}

void CellMouseInput::leftPress(const CellHit &hit)
{
    Report &r = m_sel.report();
    if (!hit.valid())
        return;
    m_sel.commitInput();
    // Finishing input may have run host handlers that replaced the report.
    const CellHit cell = pressedCell(hit);
    if (!cell.valid())
        return;
    const std::uint64_t gen = r.generation();
    selectPressed(cell);
    const QRect s = r.selection();
    m_pressCol = cell.col;
    m_pressRow = cell.row;
    m_dragCol = s.left();
    m_dragRow = s.top();
    m_lastDragX = cell.x;
    m_lastDragY = cell.y;
    m_dragGeneration = gen;
    m_pressActive = true;
    m_dragging = true;
    m_dragMoved = false;
    r.setEditing(false);
    r.setWholeModes(false, false);
    m_sel.markRulerSelection();
    m_sel.placeSelectionFrame();
    m_sel.scrollSelectionIntoView();
    if (m_sel.raiseCellLClick(gen) && m_sel.raiseInputChange(gen) && m_sel.raiseSelectChange(gen))
        return;
    m_dragging = false; // the report was replaced: nothing left to drag over
}

void CellMouseInput::leftMove(std::int64_t reportX, std::int64_t reportY)
{
    if (!m_dragging)
        return;
    Report &r = m_sel.report();
    if (r.generation() != m_dragGeneration || !r.contains(m_pressCol, m_pressRow) ||
        !r.contains(m_dragCol, m_dragRow)) {
        m_dragging = false;
        return;
    }
    const RulerModel &cols = r.colRuler();
    const RulerModel &rows = r.rowRuler();
    // The pointer relative to the pressed cell, which holds the mouse.
    const std::int64_t x0 = cols.poleEdge(m_pressCol), y0 = rows.poleEdge(m_pressRow);
    const std::int64_t x = reportX - x0, y = reportY - y0;
    const int oldCol = m_dragCol, oldRow = m_dragRow;
    if (x > m_lastDragX) {
        while (m_dragCol < r.colCount() - 1 && cols.poleEdge(m_dragCol + 1) - x0 < x)
            ++m_dragCol;
    } else if (x < m_lastDragX) {
        while (m_dragCol > 0 && x < cols.poleEdge(m_dragCol) - x0)
            --m_dragCol;
    }
    m_lastDragX = x;
    if (y > m_lastDragY) {
        while (m_dragRow < r.rowCount() - 1 && rows.poleEdge(m_dragRow + 1) - y0 < y)
            ++m_dragRow;
    } else if (y < m_lastDragY) {
        while (m_dragRow > 0 && y < rows.poleEdge(m_dragRow) - y0)
            --m_dragRow;
    }
    m_lastDragY = y;
    const bool colMoved = m_dragCol != oldCol, rowMoved = m_dragRow != oldRow;
    if (!colMoved && !rowMoved)
        return;

    m_dragMoved = true;
    const QRect n =
        expandToMerges(r, QRect(QPoint(std::min(m_pressCol, m_dragCol), std::min(m_pressRow, m_dragRow)),
                                QPoint(std::max(m_pressCol, m_dragCol), std::max(m_pressRow, m_dragRow))));
    if (r.poleVisible() > 0) {
        r.colRuler().setMoveSelected(n.left(), n.right());
        r.rowRuler().setMoveSelected(n.top(), n.bottom());
    }
    // The input cell stays where the button went down.
    r.setSelectionRect(n.left(), n.top(), n.right(), n.bottom());
    m_sel.repaint();
    if (colMoved)
        m_sel.keepColumnInView(m_dragCol);
    if (rowMoved)
        m_sel.keepRowInView(m_dragRow);
    if (!m_sel.raiseSelectChange(m_dragGeneration))
        m_dragging = false;
}

void CellMouseInput::leftRelease()
{
    if (!m_pressActive)
        return; // the press did not land on a cell
    m_pressActive = false;
    m_dragging = false;
    Report &r = m_sel.report();
    if (r.generation() != m_dragGeneration) {
        // The cell that held the mouse went with the old report.
        m_dragMoved = false;
        m_skipCellPrepare = false;
        return;
    }
    // The frame follows a drag even when input preparation is skipped, so
    // that the gesture never ends with the frame around an old selection.
    if (m_dragMoved)
        m_sel.placeSelectionFrame();
    m_dragMoved = false;
    if (!m_skipCellPrepare)
        m_sel.prepareInput(false);
    m_skipCellPrepare = false;
}

void CellMouseInput::doubleClick(const CellHit &hit)
{
    Report &r = m_sel.report();
    if (!pressedCell(hit).valid())
        return;
    const std::uint64_t gen = r.generation();
    r.setEditing(true);
    if (!m_sel.raiseCellLDblClick(gen))
        return;
    m_sel.setDblClickPending(true);
    // The double-click message captures the mouse like a press: its release
    // prepares input, which now opens the editor with the cell's text.
    m_pressActive = true;
    m_dragGeneration = gen;
}

void CellMouseInput::rightPress(const CellHit &hit, int screenX, int screenY)
{
    Report &r = m_sel.report();
    if (!hit.valid())
        return;
    m_sel.commitInput();
    r.setEditing(false);
    const CellHit cell = pressedCell(hit);
    if (!cell.valid())
        return;
    const std::uint64_t gen = r.generation();
    if (r.inSelection(cell.col, cell.row)) {
        m_sel.raiseCellRClick(gen, screenX, screenY);
        return;
    }
    selectPressed(cell);
    m_sel.markRulerSelection();
    m_sel.placeSelectionFrame();
    m_sel.focusInput();
    r.setWholeModes(false, false);
    if (m_sel.raiseCellRClick(gen, screenX, screenY) && m_sel.raiseInputChange(gen))
        m_sel.raiseSelectChange(gen);
}

} // namespace cellvex
