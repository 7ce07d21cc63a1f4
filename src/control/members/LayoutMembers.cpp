// Members of the view onto the grid: the first displayed column and row, how
// many are completely visible, and column widths and row heights.
#include "control/CellvexControl.h"
#include "control/MemberCall.h"
#include "control/MemberRegistry.h"
#include "control/viewport/GridViewport.h"

namespace cellvex {

namespace {

// 1-based interface index to 0-based; anything below 1 is outside the report.
int zeroBased(std::int32_t a)
{
    return a > 0 ? a - 1 : -1;
}

} // namespace

void registerLayoutMembers(MemberRegistry &r)
{
    r.add(MemberId::get_LeftIndex,
          [](CellvexControl &c, MemberCall &m) { m.retLong(c.viewport().scroll().leftIndex()); });
    r.add(MemberId::put_LeftIndex,
          [](CellvexControl &c, MemberCall &m) { c.viewport().scroll().setLeftIndex(m.i32(0)); });
    r.add(MemberId::get_TopIndex,
          [](CellvexControl &c, MemberCall &m) { m.retLong(c.viewport().scroll().topIndex()); });
    r.add(MemberId::put_TopIndex,
          [](CellvexControl &c, MemberCall &m) { c.viewport().scroll().setTopIndex(m.i32(0)); });
    r.add(MemberId::get_DisplayCountX,
          [](CellvexControl &c, MemberCall &m) { m.retLong(c.viewport().scroll().displayCountX()); });
    r.add(MemberId::get_DisplayCountY,
          [](CellvexControl &c, MemberCall &m) { m.retLong(c.viewport().scroll().displayCountY()); });
    r.add(MemberId::SetColWidth, [](CellvexControl &c, MemberCall &m) {
        c.viewport().sizer().setColWidth(zeroBased(m.i32(0)), m.i32(1));
    });
    r.add(MemberId::SetRowHeight, [](CellvexControl &c, MemberCall &m) {
        c.viewport().sizer().setRowHeight(zeroBased(m.i32(0)), m.i32(1));
    });
}

} // namespace cellvex
