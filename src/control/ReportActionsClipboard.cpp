// The service's cut, copy and paste: blocks of cells through the clipboard
// as packed "ClipbrdXML" texts behind their prefixes, with an HTML table
// beside them for other programs.
#include "ReportActions.h"

#include "cells/CellCapacity.h"
#include "document/ClipboardHtml.h"
#include "document/ClipboardPaste.h"
#include "document/ClipboardText.h"
#include "document/ClipboardXmlWriter.h"
#include "grid/selection/SelectionController.h"
#include "grid/structure/MergeBlocks.h"
#include "grid/structure/PoleEdits.h"

namespace cellvex {

namespace {

ClipboardShape shapeOf(bool full)
{
    return full ? ClipboardShape::Full : ClipboardShape::Content;
}

// Inside the grid, and holding whole every merged block it touches.
bool acceptedSource(const Report &report, const QRect &range)
{
    if (range.left() < 0 || range.top() < 0 || range.left() > range.right() || range.top() > range.bottom() ||
        range.right() >= report.colCount() || range.bottom() >= report.rowCount())
        return false;
    for (int c = range.left(); c <= range.right(); ++c)
        for (int r = range.top(); r <= range.bottom(); ++r) {
            const Cell &cell = *report.cell(c, r);
            if (cell.sign() == MergeSign::None)
                continue;
            const BlockBounds b = cell.block();
            if (!range.contains(QRect(QPoint(b.left, b.top), QPoint(b.right, b.bottom))))
                return false;
        }
    return true;
}

} // namespace

void ReportActions::copyCells(int col1, int row1, int col2, int row2, bool full, bool cut)
{
    m_report.setEditing(false);
    const QRect range(QPoint(col1, row1), QPoint(col2, row2));
    if (!acceptedSource(m_report, range))
        return;
    if (cut)
        m_frame.closeInputMethod();
    const ClipboardShape shape = shapeOf(full);
    // Built whole before the clipboard or a cell changes.
    const QString text = clipboardTextOf(clipboardXml(m_report, range, shape), shape);
    m_clipboard->put(text, clipboardHtml(m_report, range));

    const int oldCol = m_report.inputCol(), oldRow = m_report.inputRow();
    const QRect oldSelection = m_report.selection();
    std::uint64_t generation = m_report.generation();
    {
        PaintSuspension suspend(m_frame.paintedPanel());
        if (cut && full) {
            resetCells(m_report, range.left(), range.top(), range.right(), range.bottom());
            m_report.reportChanged(ReportChange::Value | ReportChange::Appearance | ReportChange::Geometry);
        } else if (cut) {
            emptyValues(m_report, range); // throws when a handler replaced the report
        }
        if (cut)
            m_report.setSaved(false);
        selection().setSelection(false, range.left(), range.top(), range.right(), range.bottom());
        selection().repaint();
    }
    selection().prepareInput(false);
    raiseSelectionChanges(oldCol, oldRow, oldSelection, generation);
}

void ReportActions::pasteCells(int col, int row, bool addCell, bool full)
{
    m_report.setEditing(false);
    const Cell *target = m_report.cell(col, row);
    if (!target || target->sign() == MergeSign::Covered)
        return;
    const ClipboardShape shape = shapeOf(full);
    const QString text = m_clipboard->text();
    if (!text.startsWith(clipboardPrefix(shape)))
        return; // another program's text, or the other kind of copy
    // Read and checked whole: a text that cannot be read changes nothing.
    const ClipboardBlock block = readClipboardText(text, shape, m_report.fonts());
    QRect area = pasteArea(m_report, col, row, block, addCell);
    const int addCols = std::max(0, area.right() + 1 - m_report.colCount());
    const int addRows = std::max(0, area.bottom() + 1 - m_report.rowCount());
    if (addCols > 0 || addRows > 0) {
        const int cols = m_report.colCount() + addCols, rows = m_report.rowCount() + addRows;
        m_report.checkNewReportSize(cols, rows);
        requireCellCapacity(
            cols, rows, std::int64_t(cols) * rows - std::int64_t(m_report.colCount()) * m_report.rowCount());
    }
    m_frame.closeInputMethod();
    {
        PaintSuspension suspend(m_frame.paintedPanel());
        if (addCols > 0)
            appendPoles(m_report, Orientation::Horizontal, addCols);
        if (addRows > 0)
            appendPoles(m_report, Orientation::Vertical, addRows);
        area = area.intersected(QRect(0, 0, m_report.colCount(), m_report.rowCount()));
        if (area.isEmpty())
            return;
        if (full) {
            cellvex::pasteCells(m_report, block, area);
        } else {
            dissolveCutBlocks(m_report, area);
            pasteContents(m_report, block, area); // throws when a handler replaced the report
        }
        m_report.setSaved(false);
        selection().setSelection(false, area.left(), area.top(), area.right(), area.bottom());
        selection().repaint();
        paginate();
    }
    selection().focusInput();
    selection().prepareInput(false);
    const std::uint64_t generation = m_report.generation();
    if (selection().raiseInputChange(generation))
        selection().raiseSelectChange(generation);
}

void ReportActions::raiseSelectionChanges(int oldCol, int oldRow, const QRect &oldSelection,
                                          std::uint64_t generation)
{
    if ((m_report.inputCol() != oldCol || m_report.inputRow() != oldRow) &&
        !selection().raiseInputChange(generation))
        return;
    if (m_report.selection() != oldSelection)
        selection().raiseSelectChange(generation);
}

} // namespace cellvex
