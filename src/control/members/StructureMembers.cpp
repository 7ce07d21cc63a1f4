// Members of columns and rows appended, inserted and deleted; merged blocks;
// fill, find and replace. The service runs the edits.
#include "control/MemberCall.h"
#include "control/MemberRegistry.h"
#include "control/ReportActions.h"
#include "grid/structure/CellFind.h"
#include "grid/structure/CellReplace.h"
#include "grid/structure/MergeBlocks.h"

namespace cellvex {

using automation::Variant;
using A = ReportActions;
using M = MemberCall;

namespace {

void getMergeRange(A &a, M &m)
{
    const int col = m.i32(1), row = m.i32(2);
    const MergeState s = mergeStateOf(a.report(), m.index(1), m.index(2));
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

void findCells(A &a, M &m)
{
    FindRequest q;
    q.selected = m.b(0);
    q.byColumns = m.b(1);
    q.backwards = m.b(2);
    q.caseSensitive = m.b(3);
    q.wholeWords = m.b(4);
    q.text = m.s(5);
    m.retBool(a.findText(q));
}

void replaceCells(A &a, M &m)
{
    ReplaceRequest q;
    q.selected = m.b(0);
    q.caseSensitive = m.b(1);
    q.wholeWords = m.b(2);
    q.find = m.s(3);
    q.replacement = m.s(4);
    a.replaceText(q);
}

} // namespace

void registerStructureMembers(MemberRegistry &r)
{
    r.add(MemberId::AppendCol,
          [](A &a, M &m) { a.insertPoles(Orientation::Horizontal, a.report().colCount(), m.i32(0)); });
    r.add(MemberId::AppendRow,
          [](A &a, M &m) { a.insertPoles(Orientation::Vertical, a.report().rowCount(), m.i32(0)); });
    r.add(MemberId::InsertCol,
          [](A &a, M &m) { a.insertPoles(Orientation::Horizontal, m.index(0), m.i32(1)); });
    r.add(MemberId::InsertRow,
          [](A &a, M &m) { a.insertPoles(Orientation::Vertical, m.index(0), m.i32(1)); });
    r.add(MemberId::DeleteCol,
          [](A &a, M &m) { a.deletePoles(Orientation::Horizontal, m.index(0), m.index(1)); });
    r.add(MemberId::DeleteRow,
          [](A &a, M &m) { a.deletePoles(Orientation::Vertical, m.index(0), m.index(1)); });
    r.add(MemberId::MergeCell,
          [](A &a, M &m) { a.mergeCells(m.index(0), m.index(1), m.index(2), m.index(3)); });
    r.add(MemberId::SplitCell,
          [](A &a, M &m) { a.splitCells(m.index(0), m.index(1), m.index(2), m.index(3)); });
    r.add(MemberId::GetMergeRange, getMergeRange);
    r.add(MemberId::FillCell, [](A &a, M &m) { a.fillCells(m.i32(0)); });
    r.add(MemberId::FindCellsString, findCells);
    r.add(MemberId::ReplaceCellsString, replaceCells);
}

} // namespace cellvex
