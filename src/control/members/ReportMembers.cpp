// Members of the report as a whole: its size, counts, Saved flag, ruler mode
// and the geometry getters.
#include "control/CellvexControl.h"
#include "control/MemberCall.h"
#include "control/MemberRegistry.h"

namespace cellvex {

void registerReportMembers(MemberRegistry &r)
{
    r.add(MemberId::NewReport, [](CellvexControl &c, MemberCall &m) { c.NewReport(m.i32(0), m.i32(1)); });
    r.add(MemberId::get_ColCount, [](CellvexControl &c, MemberCall &m) { m.retLong(c.ColCount()); });
    r.add(MemberId::get_RowCount, [](CellvexControl &c, MemberCall &m) { m.retLong(c.RowCount()); });
    r.add(MemberId::get_HeaderCount, [](CellvexControl &c, MemberCall &m) { m.retLong(c.HeaderCount()); });
    r.add(MemberId::put_HeaderCount, [](CellvexControl &c, MemberCall &m) { c.setHeaderCount(m.i32(0)); });
    r.add(MemberId::get_FooterCount, [](CellvexControl &c, MemberCall &m) { m.retLong(c.FooterCount()); });
    r.add(MemberId::put_FooterCount, [](CellvexControl &c, MemberCall &m) { c.setFooterCount(m.i32(0)); });
    r.add(MemberId::get_Saved, [](CellvexControl &c, MemberCall &m) { m.retBool(c.Saved()); });
    r.add(MemberId::put_Saved, [](CellvexControl &c, MemberCall &m) { c.setSaved(m.b(0)); });
    r.add(MemberId::get_PoleVisible, [](CellvexControl &c, MemberCall &m) { m.retLong(c.PoleVisible()); });
    r.add(MemberId::put_PoleVisible, [](CellvexControl &c, MemberCall &m) { c.setPoleVisible(m.i32(0)); });
    r.add(MemberId::GetColWidth,
          [](CellvexControl &c, MemberCall &m) { m.retLong(c.GetColWidth(m.i32(0))); });
    r.add(MemberId::GetRowHeight,
          [](CellvexControl &c, MemberCall &m) { m.retLong(c.GetRowHeight(m.i32(0))); });
}

} // namespace cellvex
