// Cut, copy and paste of cell blocks through the clipboard.
#include "control/MemberCall.h"
#include "control/MemberRegistry.h"
#include "control/ReportActions.h"

namespace cellvex {

using A = ReportActions;
using M = MemberCall;

namespace {

// The source range's bounds, 0-based; anything below 1 is outside (-1).
void copy(A &a, M &m, bool full, bool cut)
{
    a.copyCells(m.index(0), m.index(1), m.index(2), m.index(3), full, cut);
}

} // namespace

void registerClipboardMembers(MemberRegistry &r)
{
    r.add(MemberId::CopyCell, [](A &a, M &m) { copy(a, m, true, false); });
    r.add(MemberId::CutCell, [](A &a, M &m) { copy(a, m, true, true); });
    r.add(MemberId::CopyCellText, [](A &a, M &m) { copy(a, m, false, false); });
    r.add(MemberId::CutCellText, [](A &a, M &m) { copy(a, m, false, true); });
    // The boundary has checked the target cell lies in the grid.
    r.add(MemberId::PasteCell, [](A &a, M &m) { a.pasteCells(m.col, m.cellRow, m.b(2), true); });
    r.add(MemberId::PasteCellText, [](A &a, M &m) { a.pasteCells(m.col, m.cellRow, m.b(2), false); });
}

} // namespace cellvex
