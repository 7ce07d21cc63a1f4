// Members of columns and rows appended, inserted and deleted; merged blocks; fill, find and replace.
// The model functions (grid/structure) do the edits; these add the window
// steps around them and raise the selection events.
#include "control/CellvexControl.h"
#include "control/MemberCall.h"
#include "control/MemberRegistry.h"
#include "control/PaintSuspension.h"
#include "control/input/InPlaceEditor.h"
#include "control/viewport/GridViewport.h"
#include "grid/selection/SelectionController.h"
#include "grid/structure/CellFill.h"
#include "grid/structure/CellFind.h"
#include "grid/structure/CellReplace.h"
#include "grid/structure/LineEdits.h"
#include "grid/structure/MergeBlocks.h"
#include "grid/structure/MergeCommands.h"

#include <optional>

namespace cellvex {

using automation::Variant;

namespace {

// 1-based interface index to 0-based; anything below 1 is outside the report.
int zeroBased(std::int32_t a)
{
    return a > 0 ? a - 1 : -1;
}

// Runs a structure edit with the steps the structure members share. Once the
// model accepted the edit (and before anything changes) the input method is
// switched off and painting suspended; afterwards the ruler highlights and
// the frame follow the selection, the pages are cut again when the lines
// changed, painting resumes and the editor is set up for the input cell.
// `edit` takes the callback the model runs on acceptance.
template <typename Edit> bool runEdit(CellvexControl &c, bool linesChanged, Edit &&edit)
{
    std::optional<PaintSuspension> suspend;
    const auto beforeChange = [&] {
        c.inPlaceEditor().closeInputMethod();
        suspend.emplace(c.mainPanel());
    };
    if (!edit(beforeChange))
        return false;
    SelectionController &sel = c.selection();
    sel.markRulerSelection();
    sel.placeSelectionFrame();
    if (linesChanged)
        c.paginate();
    suspend.reset();
    sel.focusInput();
    sel.prepareInput(false);
    return true;
}

// InsertCol / InsertRow / AppendCol / AppendRow and DeleteCol / DeleteRow:
// OnInputChange then OnSelectChange when the edit moved the selection.
void editLines(CellvexControl &c, Orientation axis, bool deleting, int a, int b)
{
    StructureOutcome out;
    std::uint64_t generation = 0;
    runEdit(c, true, [&](const std::function<void()> &beforeChange) {
        out = deleting ? deleteLines(c.report(), axis, a, b, beforeChange)
                       : insertLines(c.report(), axis, a, b, beforeChange);
        generation = c.report().generation();
        // Fewer lines may leave empty space in view: show the last ones.
        if (deleting && out.acted)
            c.viewport().scroll().scrollBackIfShort(axis, 0);
        return out.acted;
    });
    if (out.selectionChanged && c.selection().raiseInputChange(generation))
        c.selection().raiseSelectChange(generation);
}

// MergeCell / SplitCell: each selection event only when its value changed.
void editBlocks(CellvexControl &c, MemberCall &m, bool merge)
{
    Report &r = c.report();
    const int col1 = zeroBased(m.i32(0)), row1 = zeroBased(m.i32(1));
    const int col2 = zeroBased(m.i32(2)), row2 = zeroBased(m.i32(3));
    const int oldCol = r.inputCol(), oldRow = r.inputRow();
    const QRect oldSelection = r.selection();
    const bool done = runEdit(c, false, [&](const std::function<void()> &beforeChange) {
        return merge ? mergeCells(r, col1, row1, col2, row2, beforeChange)
                     : splitCells(r, col1, row1, col2, row2, beforeChange);
    });
    if (!done)
        return;
    const std::uint64_t generation = r.generation();
    if ((r.inputCol() != oldCol || r.inputRow() != oldRow) && !c.selection().raiseInputChange(generation))
        return;
    if (r.selection() != oldSelection)
        c.selection().raiseSelectChange(generation);
}

void getMergeRange(CellvexControl &c, MemberCall &m)
{
    const int col = m.i32(1), row = m.i32(2);
    const MergeState s = mergeStateOf(c.report(), zeroBased(col), zeroBased(row));
    m.out(0, Variant::fromLong(s.type));
    if (s.type < 0)
        return;
    if (s.type == 0) {
        // A plain cell is its own range.
        m.out(3, Variant::fromLong(col));
        m.out(4, Variant::fromLong(row));
        return;
    }
    m.out(1, Variant::fromLong(s.bounds.left + 1));
    m.out(2, Variant::fromLong(s.bounds.top + 1));
    m.out(3, Variant::fromLong(s.bounds.right + 1));
    m.out(4, Variant::fromLong(s.bounds.bottom + 1));
}

void findCells(CellvexControl &c, MemberCall &m)
{
    FindRequest q;
    q.selected = m.b(0);
    q.byColumns = m.b(1);
    q.backwards = m.b(2);
    q.caseSensitive = m.b(3);
    q.wholeWords = m.b(4);
    q.text = m.s(5);
    m.retBool(false);
    Report &r = c.report();
    const std::uint64_t generation = r.generation();
    {
        PaintSuspension suspend(c.mainPanel());
        if (!findCellsString(r, q))
            return;
        SelectionController &sel = c.selection();
        sel.markRulerSelection();
        sel.placeSelectionFrame();
        sel.scrollSelectionIntoView();
    }
    m.retBool(true);
    c.selection().focusInput();
    c.selection().prepareInput(false);
    // Both events, also when the found cell was already the input cell.
    if (c.selection().raiseInputChange(generation))
        c.selection().raiseSelectChange(generation);
}

void replaceCells(CellvexControl &c, MemberCall &m)
{
    ReplaceRequest q;
    q.selected = m.b(0);
    q.caseSensitive = m.b(1);
    q.wholeWords = m.b(2);
    q.find = m.s(3);
    q.replacement = m.s(4);
    PaintSuspension suspend(c.mainPanel());
    replaceCellsString(c.report(), q);
}

} // namespace

void registerStructureMembers(MemberRegistry &r)
{
    r.add(MemberId::AppendCol, [](CellvexControl &c, MemberCall &m) {
        editLines(c, Orientation::Horizontal, false, c.ColCount(), m.i32(0));
    });
    r.add(MemberId::AppendRow, [](CellvexControl &c, MemberCall &m) {
        editLines(c, Orientation::Vertical, false, c.RowCount(), m.i32(0));
    });
    r.add(MemberId::InsertCol, [](CellvexControl &c, MemberCall &m) {
        editLines(c, Orientation::Horizontal, false, zeroBased(m.i32(0)), m.i32(1));
    });
    r.add(MemberId::InsertRow, [](CellvexControl &c, MemberCall &m) {
        editLines(c, Orientation::Vertical, false, zeroBased(m.i32(0)), m.i32(1));
    });
    r.add(MemberId::DeleteCol, [](CellvexControl &c, MemberCall &m) {
        editLines(c, Orientation::Horizontal, true, zeroBased(m.i32(0)), zeroBased(m.i32(1)));
    });
    r.add(MemberId::DeleteRow, [](CellvexControl &c, MemberCall &m) {
        editLines(c, Orientation::Vertical, true, zeroBased(m.i32(0)), zeroBased(m.i32(1)));
    });
    r.add(MemberId::MergeCell, [](CellvexControl &c, MemberCall &m) { editBlocks(c, m, true); });
    r.add(MemberId::SplitCell, [](CellvexControl &c, MemberCall &m) { editBlocks(c, m, false); });
    r.add(MemberId::GetMergeRange, getMergeRange);
    r.add(MemberId::FillCell, [](CellvexControl &c, MemberCall &m) {
        PaintSuspension suspend(c.mainPanel());
        fillCells(c.report(), m.i32(0));
    });
    r.add(MemberId::FindCellsString, findCells);
    r.add(MemberId::ReplaceCellsString, replaceCells);
}

} // namespace cellvex
