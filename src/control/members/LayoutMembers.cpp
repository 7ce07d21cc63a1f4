// Members of the view onto the grid: the first displayed column and row, how
// many are completely visible, and column widths and row heights.
#include "control/MemberCall.h"
#include "control/MemberRegistry.h"
#include "control/ReportActions.h"
#include "grid/layout/PoleSizer.h"
#include "grid/layout/ScrollController.h"

namespace cellvex {

using A = ReportActions;
using M = MemberCall;

void registerLayoutMembers(MemberRegistry &r)
{
    r.add(MemberId::get_LeftIndex, [](A &a, M &m) { m.retLong(a.scroll().leftIndex()); });
    r.add(MemberId::put_LeftIndex, [](A &a, M &m) { a.scroll().setLeftIndex(m.i32(0)); });
    r.add(MemberId::get_TopIndex, [](A &a, M &m) { m.retLong(a.scroll().topIndex()); });
    r.add(MemberId::put_TopIndex, [](A &a, M &m) { a.scroll().setTopIndex(m.i32(0)); });
    r.add(MemberId::get_DisplayCountX, [](A &a, M &m) { m.retLong(a.scroll().displayCountX()); });
    r.add(MemberId::get_DisplayCountY, [](A &a, M &m) { m.retLong(a.scroll().displayCountY()); });
    r.add(MemberId::SetColWidth, [](A &a, M &m) { a.sizer().setColWidth(m.index(0), m.i32(1)); });
    r.add(MemberId::SetRowHeight, [](A &a, M &m) { a.sizer().setRowHeight(m.index(0), m.i32(1)); });
}

} // namespace cellvex
