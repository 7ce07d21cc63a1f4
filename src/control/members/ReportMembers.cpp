// Members of the report as a whole: its size, counts, Saved flag, ruler mode
// and the geometry getters.
#include "control/CellvexControl.h"
#include "control/MemberCall.h"
#include "control/MemberRegistry.h"

namespace cellvex {

void registerReportMembers(MemberRegistry &r)
{
    r.method("NewReport", [](CellvexControl &c, MemberCall &m) { c.NewReport(m.i32(0), m.i32(1)); });
    r.get("ColCount", [](CellvexControl &c, MemberCall &m) { m.retLong(c.ColCount()); });
    r.get("RowCount", [](CellvexControl &c, MemberCall &m) { m.retLong(c.RowCount()); });
    r.get("HeaderCount", [](CellvexControl &c, MemberCall &m) { m.retLong(c.HeaderCount()); });
    r.put("HeaderCount", [](CellvexControl &c, MemberCall &m) { c.setHeaderCount(m.i32(0)); });
    r.get("FooterCount", [](CellvexControl &c, MemberCall &m) { m.retLong(c.FooterCount()); });
    r.put("FooterCount", [](CellvexControl &c, MemberCall &m) { c.setFooterCount(m.i32(0)); });
    r.get("Saved", [](CellvexControl &c, MemberCall &m) { m.retBool(c.Saved()); });
    r.put("Saved", [](CellvexControl &c, MemberCall &m) { c.setSaved(m.b(0)); });
    r.get("PoleVisible", [](CellvexControl &c, MemberCall &m) { m.retLong(c.PoleVisible()); });
    r.put("PoleVisible", [](CellvexControl &c, MemberCall &m) { c.setPoleVisible(m.i32(0)); });
    r.method("GetColWidth", [](CellvexControl &c, MemberCall &m) { m.retLong(c.GetColWidth(m.i32(0))); });
    r.method("GetRowHeight", [](CellvexControl &c, MemberCall &m) { m.retLong(c.GetRowHeight(m.i32(0))); });
}

} // namespace cellvex
