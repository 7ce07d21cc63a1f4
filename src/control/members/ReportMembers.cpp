// Members of the report as a whole: its size, counts, Saved flag, ruler mode
// and the geometry getters.
#include "control/MemberCall.h"
#include "control/MemberRegistry.h"
#include "control/ReportActions.h"

namespace cellvex {

using A = ReportActions;
using M = MemberCall;

void registerReportMembers(MemberRegistry &r)
{
    r.add(MemberId::NewReport, [](A &a, M &m) { a.newReport(m.i32(0), m.i32(1)); });
    r.add(MemberId::get_ColCount, [](A &a, M &m) { m.retLong(a.report().colCount()); });
    r.add(MemberId::get_RowCount, [](A &a, M &m) { m.retLong(a.report().rowCount()); });
    r.add(MemberId::get_HeaderCount, [](A &a, M &m) { m.retLong(a.report().headerCount()); });
    r.add(MemberId::put_HeaderCount, [](A &a, M &m) { a.setHeaderCount(m.i32(0)); });
    r.add(MemberId::get_FooterCount, [](A &a, M &m) { m.retLong(a.report().footerCount()); });
    r.add(MemberId::put_FooterCount, [](A &a, M &m) { a.setFooterCount(m.i32(0)); });
    r.add(MemberId::get_Saved, [](A &a, M &m) { m.retBool(a.report().saved()); });
    r.add(MemberId::put_Saved, [](A &a, M &m) { a.report().setSaved(m.b(0)); });
    r.add(MemberId::get_PoleVisible, [](A &a, M &m) { m.retLong(a.report().poleVisible()); });
    r.add(MemberId::put_PoleVisible, [](A &a, M &m) { a.frame().setPoleVisible(m.i32(0)); });
    r.add(MemberId::GetColWidth, [](A &a, M &m) { m.retLong(a.report().colWidth(m.index(0))); });
    r.add(MemberId::GetRowHeight, [](A &a, M &m) { m.retLong(a.report().rowHeight(m.index(0))); });
}

} // namespace cellvex
