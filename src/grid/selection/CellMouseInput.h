#pragma once

#include "CellHitTest.h"

#include <cstdint>

namespace cellvex {

class SelectionController;

// The mouse on cells: press, drag, release and double-click with the left
// button, press with the right one. Positions come as a cell plus the point
// relative to that cell's top-left corner (see hitTestCell), or as report
// coordinates while dragging. The cell that took the left press keeps the
// mouse until release, as the surface's mouse grab does.
class CellMouseInput
{
public:
    explicit CellMouseInput(SelectionController &selection) : m_sel(selection) {}

    // Left press: the cell (or the block it is the master of) becomes the
    // selection and its master the input cell; a drag starts. Raises
    // OnCellLClick, OnInputChange and OnSelectChange, every time.
    void leftPress(const CellHit &hit);
    // Mouse moved to a point (report coordinates) with only the left button
    // down: grows or shrinks the selection from the pressed cell, raising
    // OnSelectChange for each change. The frame stays until release.
    void leftMove(std::int64_t reportX, std::int64_t reportY);
    // Left release: ends the drag, places the frame when it moved and
    // prepares input for the input cell.
    void leftRelease();
    // Left double-click (it follows a press and release and precedes a
    // release): input opens with the cell's text at that release.
    void doubleClick(const CellHit &hit);
    // Right press at screen position (screenX, screenY): inside the selection
    // raises only OnCellRClick; elsewhere selects the cell as a left press
    // does (no drag, no scrolling, no input preparation) and raises
    // OnCellRClick, OnInputChange, OnSelectChange.
    void rightPress(const CellHit &hit, int screenX, int screenY);

    bool dragging() const { return m_dragging; }
    // Set when a press on a drop-list cell's button already prepared input,
    // so that the release does not prepare it again; cleared by the release.
    void setSkipCellPrepare(bool v) { m_skipCellPrepare = v; }

private:
    // The hit moved to the cell that really takes the press (a covered
    // cell's master); invalid when the report does not hold the cell.
    CellHit pressedCell(const CellHit &hit) const;
    // The selection of a press: the cell, or its block when it is a master,
    // with the cell as the input cell.
    void selectPressed(const CellHit &cell);

    SelectionController &m_sel;
    bool m_pressActive = false; // a cell took the left button and keeps it until release
    bool m_dragging = false;
    bool m_dragMoved = false;
    bool m_skipCellPrepare = false;
    std::uint64_t m_dragGeneration = 0;
    int m_pressCol = -1, m_pressRow = -1;
    int m_dragCol = -1, m_dragRow = -1;
    std::int64_t m_lastDragX = 0, m_lastDragY = 0;
};

} // namespace cellvex
