// The service's structure edits: columns and rows (poles), merged blocks, filling,
// finding and replacing. The model functions (grid/structure) do the edits;
// these add the window steps around them and raise the selection events.
#include "ReportActions.h"

#include "grid/layout/ScrollController.h"
#include "grid/selection/SelectionController.h"
#include "grid/structure/CellFill.h"
#include "grid/structure/CellFind.h"
#include "grid/structure/CellReplace.h"
#include "grid/structure/MergeBlocks.h"
#include "grid/structure/MergeCommands.h"
#include "grid/structure/PoleEdits.h"

namespace cellvex {

void ReportActions::insertPoles(Orientation orientation, int at, int count)
{
    StructureOutcome out;
    std::uint64_t generation = 0;
    runEdit(true, [&](const std::function<void()> &beforeChange) {
        out = cellvex::insertPoles(m_report, orientation, at, count, beforeChange);
        generation = m_report.generation();
        return out.acted;
    });
    if (out.selectionChanged && selection().raiseInputChange(generation))
        selection().raiseSelectChange(generation);
}

void ReportActions::deletePoles(Orientation orientation, int first, int last)
{
    StructureOutcome out;
    std::uint64_t generation = 0;
    runEdit(true, [&](const std::function<void()> &beforeChange) {
        out = cellvex::deletePoles(m_report, orientation, first, last, beforeChange);
        generation = m_report.generation();
        // Fewer lines may leave empty space in view: show the last ones.
        if (out.acted)
            scroll().scrollBackIfShort(orientation, 0);
        return out.acted;
    });
    if (out.selectionChanged && selection().raiseInputChange(generation))
        selection().raiseSelectChange(generation);
}

namespace {

template <typename Edit> void editBlocks(ReportActions &a, Edit &&edit)
{
    Report &r = a.report();
    const int oldCol = r.inputCol(), oldRow = r.inputRow();
    const QRect oldSelection = r.selection();
    if (!a.runEdit(false, edit))
        return;
    const std::uint64_t generation = r.generation();
    if ((r.inputCol() != oldCol || r.inputRow() != oldRow) && !a.selection().raiseInputChange(generation))
        return;
    if (r.selection() != oldSelection)
        a.selection().raiseSelectChange(generation);
}

} // namespace

void ReportActions::mergeCells(int col1, int row1, int col2, int row2)
{
    editBlocks(*this, [&](const std::function<void()> &beforeChange) {
        return cellvex::mergeCells(m_report, col1, row1, col2, row2, beforeChange);
    });
}

void ReportActions::splitCells(int col1, int row1, int col2, int row2)
{
    editBlocks(*this, [&](const std::function<void()> &beforeChange) {
        return cellvex::splitCells(m_report, col1, row1, col2, row2, beforeChange);
    });
}

void ReportActions::fillCells(int mode)
{
    PaintSuspension suspend(m_frame.paintedPanel());
    cellvex::fillCells(m_report, mode);
}

bool ReportActions::findText(const FindRequest &request)
{
    const std::uint64_t generation = m_report.generation();
    {
        PaintSuspension suspend(m_frame.paintedPanel());
        if (!findCellsString(m_report, request))
            return false;
        SelectionController &sel = selection();
        sel.markRulerSelection();
        sel.placeSelectionFrame();
        sel.scrollSelectionIntoView();
    }
    selection().focusInput();
    selection().prepareInput(false);
    // Both events, also when the found cell was already the input cell.
    if (selection().raiseInputChange(generation))
        selection().raiseSelectChange(generation);
    return true;
}

void ReportActions::replaceText(const ReplaceRequest &request)
{
    PaintSuspension suspend(m_frame.paintedPanel());
    replaceCellsString(m_report, request);
}

} // namespace cellvex
