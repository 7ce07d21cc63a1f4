#include "SelectionController.h"

#include "report/MergeExpansion.h"
#include "report/Report.h"

namespace cellvex {

namespace {
struct NoHost final : SelectionHost
{
};
} // namespace

SelectionHost &SelectionController::host()
{
    static NoHost none;
    return m_host ? *m_host : none;
}

SelectionController::SelectionController(Report &report, SelectionEvents *events, SelectionHost *host)
    : m_report(report), m_events(events), m_host(host)
{
}

bool SelectionController::setSelection(bool grow, int minCol, int minRow, int maxCol, int maxRow)
{
    if (minCol == -1 && minRow == -1 && maxCol == -1 && maxRow == -1) {
        m_report.setSelectionRect(-1, -1, -1, -1);
        m_report.setInputCell(-1, -1);
    } else {
        if (minCol < 0 || minRow < 0 || minCol > maxCol || minRow > maxRow || maxCol >= m_report.colCount() ||
            maxRow >= m_report.rowCount())
            return false;
        QRect r(QPoint(minCol, minRow), QPoint(maxCol, maxRow));
        if (grow)
            r = expandToMerges(m_report, r);
        m_report.setSelectionRect(r.left(), r.top(), r.right(), r.bottom());
        m_report.setInputCell(r.left(), r.top());
    }
    markRulerSelection();
    placeSelectionFrame();
    return true;
}

void SelectionController::markRulerSelection()
{
    if (m_report.poleVisible() <= 0)
        return;
    RulerModel &cols = m_report.colRuler();
    RulerModel &rows = m_report.rowRuler();
    if (!m_report.hasSelection()) {
        cols.clearSelection();
        rows.clearSelection();
        return;
    }
    const QRect s = m_report.selection();
    cols.setSelectedRange(s.left(), s.right());
    rows.setSelectedRange(s.top(), s.bottom());
}

void SelectionController::placeSelectionFrame()
{
    m_frame = frameForSelection(m_report);
    host().frameChanged();
}

bool SelectionController::selectPoleLine(Orientation orientation, int index)
{
    const bool column = orientation == Orientation::Horizontal;
    const int count = column ? m_report.colCount() : m_report.rowCount();
    const int across = column ? m_report.rowCount() : m_report.colCount();
    // A line of a report without cells across it has nothing to select.
    if (index < 0 || index >= count || across == 0)
        return false;
    const QRect line = column ? QRect(QPoint(index, 0), QPoint(index, across - 1))
                              : QRect(QPoint(0, index), QPoint(across - 1, index));
    const QRect r = expandToMerges(m_report, line);
    m_report.setSelectionRect(r.left(), r.top(), r.right(), r.bottom());
    markRulerSelection();
    placeSelectionFrame();
    const QPoint first = column ? masterCell(m_report, index, 0) : masterCell(m_report, 0, index);
    m_report.setInputCell(first.x(), first.y());
    m_report.setWholeModes(column, !column);
    return true;
}

void SelectionController::setSelectedCell(int aMinX, int aMinY, int aMaxX, int aMaxY)
{
    commitInput();
    m_report.setEditing(false);
    // Checked against the report as it is after input was finished: a
    // handler of the caption events may have replaced it.
    const bool clear = aMinX == -1 && aMinY == -1 && aMaxX == -1 && aMaxY == -1;
    const bool valid = aMinX >= 1 && aMinX <= aMaxX && aMaxX <= m_report.colCount() && aMinY >= 1 &&
                       aMinY <= aMaxY && aMaxY <= m_report.rowCount();
    if (!clear && !valid)
        return;
    const std::uint64_t gen = m_report.generation();
    const int oldCol = m_report.inputCol(), oldRow = m_report.inputRow();
    const QRect oldSel = m_report.selection();
    if (clear)
        clearSelection();
    else
        setSelection(true, aMinX - 1, aMinY - 1, aMaxX - 1, aMaxY - 1);
    m_report.setWholeModes(false, false);
    focusInput();
    prepareInput(false);
    raiseChanges(oldCol, oldRow, oldSel, gen);
}

void SelectionController::setReadOnly(bool readOnly)
{
    commitInput();
    m_report.setEditing(false);
    m_report.cells().forEach([readOnly](Cell &c) { c.setReadOnly(readOnly); });
    m_report.setSaved(false);
}

void SelectionController::selectAll()
{
    commitInput();
    m_report.setEditing(false);
    const std::uint64_t gen = m_report.generation();
    const int oldCol = m_report.inputCol(), oldRow = m_report.inputRow();
    const QRect oldSel = m_report.selection();
    // A report without columns or rows has no cell to select.
    if (m_report.colCount() > 0 && m_report.rowCount() > 0)
        setSelection(true, 0, 0, m_report.colCount() - 1, m_report.rowCount() - 1);
    else
        clearSelection();
    m_report.setWholeModes(false, false);
    focusInput();
    prepareInput(false);
    raiseChanges(oldCol, oldRow, oldSel, gen);
}

void SelectionController::clearAll()
{
    commitInput();
    m_report.setEditing(false);
    const std::uint64_t gen = m_report.generation();
    const bool hadInput = m_report.inputCol() >= 0;
    const bool hadSelection = m_report.hasSelection();
    clearSelection();
    focusInput();
    prepareInput(false);
    if (hadInput && !raiseInputChange(gen))
        return;
    if (hadSelection)
        raiseSelectChange(gen);
}

void SelectionController::selectTarget(int col, int row)
{
    if (!m_report.contains(col, row))
        return;
    const std::uint64_t gen = m_report.generation();
    // A covered target stands for its block: the input cell stays at the
    // selection's top-left corner, where the editor can show.
    const QPoint m = masterCell(m_report, col, row);
    const QRect range = cellRange(m_report, m.x(), m.y());
    m_report.setSelectionRect(range.left(), range.top(), range.right(), range.bottom());
    m_report.setInputCell(m.x(), m.y());
    markRulerSelection();
    placeSelectionFrame();
    m_report.setEditing(false);
    scrollSelectionIntoView();
    m_report.setWholeModes(false, false);
    prepareInput(true);
    if (raiseInputChange(gen))
        raiseSelectChange(gen);
}

void SelectionController::clearAfterFailedMove()
{
    m_report.setWholeModes(false, false);
    if (!m_report.hasSelection())
        return;
    const std::uint64_t gen = m_report.generation();
    clearSelection();
    repaint();
    if (raiseInputChange(gen))
        raiseSelectChange(gen);
}

void SelectionController::raiseChanges(int oldInputCol, int oldInputRow, const QRect &oldSelection,
                                       std::uint64_t generation)
{
    const bool inputChanged = m_report.inputCol() != oldInputCol || m_report.inputRow() != oldInputRow;
    const bool selectionChanged = m_report.selection() != oldSelection;
    if (inputChanged && !raiseInputChange(generation))
        return;
    if (selectionChanged)
        raiseSelectChange(generation);
}

template <typename F> bool SelectionController::raise(std::uint64_t generation, F &&f)
{
    if (generation != m_report.generation())
        return false;
    if (m_events)
        f(*m_events);
    return generation == m_report.generation();
}

void SelectionController::inputArgs(int &col, int &row) const
{
    const bool has = m_report.inputCol() >= 0 && m_report.inputRow() >= 0;
    col = has ? m_report.inputCol() + 1 : -1;
    row = has ? m_report.inputRow() + 1 : -1;
}

bool SelectionController::raiseInputChange(std::uint64_t generation)
{
    return raise(generation, [this](SelectionEvents &e) {
        int c, r;
        inputArgs(c, r);
        e.inputChange(c, r);
    });
}

bool SelectionController::raiseSelectChange(std::uint64_t generation)
{
    return raise(generation, [this](SelectionEvents &e) {
        if (!m_report.hasSelection()) {
            e.selectChange(-1, -1, -1, -1);
            return;
        }
        const QRect s = m_report.selection();
        e.selectChange(s.left() + 1, s.top() + 1, s.right() + 1, s.bottom() + 1);
    });
}

bool SelectionController::raiseCellLClick(std::uint64_t generation)
{
    return raise(generation, [this](SelectionEvents &e) {
        int c, r;
        inputArgs(c, r);
        e.cellLClick(c, r);
    });
}

bool SelectionController::raiseCellRClick(std::uint64_t generation, int screenX, int screenY)
{
    return raise(generation, [&](SelectionEvents &e) {
        int c, r;
        inputArgs(c, r);
        e.cellRClick(c, r, screenX, screenY);
    });
}

bool SelectionController::raiseCellLDblClick(std::uint64_t generation)
{
    return raise(generation, [this](SelectionEvents &e) {
        int c, r;
        inputArgs(c, r);
        e.cellLDblClick(c, r);
    });
}

void SelectionController::commitInput()
{
    host().commitInput();
}

void SelectionController::prepareInput(bool dropOnPrepare)
{
    host().prepareInput(dropOnPrepare);
}

void SelectionController::focusInput()
{
    host().focusInput();
}

void SelectionController::scrollSelectionIntoView()
{
    host().scrollSelectionIntoView();
}

void SelectionController::keepColumnInView(int col)
{
    host().keepColumnInView(col);
}

void SelectionController::keepRowInView(int row)
{
    host().keepRowInView(row);
}

void SelectionController::repaint()
{
    host().repaintCells();
}

} // namespace cellvex
