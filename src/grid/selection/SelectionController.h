#pragma once

#include "SelectionEvents.h"
#include "SelectionFrame.h"
#include "SelectionHost.h"
#include "rulers/RulerModel.h"

#include <QRect>

#include <cstdint>

namespace cellvex {

class Report;

// The selection and the input cell of one report: how they change, how the
// change is shown (ruler highlights, the frame, repaint requests; cell
// colours follow from Report::displayedColor) and which events report it.
// Widget free; the mouse and the keyboard reach it through CellMouseInput
// and KeyNavigator. Coordinates are 0-based except at the members, which
// take the interface's 1-based values.
//
// Any event handler may call back into the control, even replace the
// report: after raising an event the operations check the report's
// generation and stop, touching no cell of the replaced report.
class SelectionController
{
public:
    explicit SelectionController(Report &report, SelectionEvents *events = nullptr,
                                 SelectionHost *host = nullptr);

    Report &report() { return m_report; }
    const Report &report() const { return m_report; }
    // The host answering the requests below; one that answers nothing when none is set.
    SelectionHost &host();
    void setHost(SelectionHost *host) { m_host = host; }
    void setEvents(SelectionEvents *events) { m_events = events; }

    // --- operations other parts of the control use -----------------------------
    // Selects the rectangle (grown to whole merged blocks when `grow`), makes
    // its top-left cell the input cell, highlights the rulers and places the
    // frame. All four -1 clears the selection and the input cell. A rectangle
    // that is not inside the grid (or has min after max) changes nothing and
    // gives false. Raises no event.
    bool setSelection(bool grow, int minCol, int minRow, int maxCol, int maxRow);
    void clearSelection() { setSelection(false, -1, -1, -1, -1); }
    // Highlights the selected columns and rows on the rulers (only while the
    // rulers show poles).
    void markRulerSelection();
    // Moves the frame to the current selection. The frame is state of its
    // own: a drag changes the selection and moves the frame only at the end.
    void placeSelectionFrame();
    const SelectionFrame &frame() const { return m_frame; }

    // Selects column or row `index` over the whole report for a press on a
    // ruler pole: grown to merged blocks, input cell the line's first cell
    // (its block's master when covered), whole-column or whole-row mode on.
    // Raises no event; the ruler's handler raises its own.
    bool selectPoleLine(Orientation orientation, int index);

    // --- interface members (1-based) ---------------------------------------------
    // SetSelectedCell: all -1 clears; a rectangle inside the grid selects it
    // grown to merged blocks; anything else only finishes input. Raises
    // OnInputChange and OnSelectChange each only when its value changed.
    void setSelectedCell(int aMinX, int aMinY, int aMaxX, int aMaxY);
    // ReadOnly put: every cell of the report becomes (not) read-only.
    void setReadOnly(bool readOnly);

    // --- corner boxes --------------------------------------------------------------
    void selectAll();
    void clearAll();

    // --- endings of keyboard moves -------------------------------------------------
    // Makes (col, row) the input cell and its range the selection, scrolls it
    // into view, prepares input (dropping a list open) and raises
    // OnInputChange then OnSelectChange.
    void selectTarget(int col, int row);
    // After a move that found no cell: clears an existing selection and
    // raises both events with -1.
    void clearAfterFailedMove();

    // --- state shared with the in-place input --------------------------------------
    // Set by a double-click so that the following preparation opens the
    // editor with the cell's text; the input side clears it.
    bool dblClickPending() const { return m_dblClickPending; }
    void setDblClickPending(bool v) { m_dblClickPending = v; }

    // --- events with the current state; false when the report was replaced
    // (before or by the handler), in which case the caller stops ----------------------
    bool raiseInputChange(std::uint64_t generation);
    bool raiseSelectChange(std::uint64_t generation);
    bool raiseCellLClick(std::uint64_t generation);
    bool raiseCellRClick(std::uint64_t generation, int screenX, int screenY);
    bool raiseCellLDblClick(std::uint64_t generation);

    // --- requests to the host ---------------------------------------------------------
    void commitInput();
    void prepareInput(bool dropOnPrepare);
    void focusInput();
    void scrollSelectionIntoView();
    void keepColumnInView(int col);
    void keepRowInView(int row);
    void repaint();

private:
    template <typename F> bool raise(std::uint64_t generation, F &&f);
    // Input cell and selection as the events report them (1-based, -1 for none).
    void inputArgs(int &col, int &row) const;
    // Raises the two events for a change made by a member or a corner box,
    // each only when its value differs from the one before.
    void raiseChanges(int oldInputCol, int oldInputRow, const QRect &oldSelection, std::uint64_t generation);

    Report &m_report;
    SelectionEvents *m_events;
    SelectionHost *m_host;
    SelectionFrame m_frame;
    bool m_dblClickPending = false;
};

} // namespace cellvex
