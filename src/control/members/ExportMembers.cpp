// Members of the report as HTML and as separated text.
#include "control/CellvexControl.h"
#include "control/MemberCall.h"
#include "control/MemberRegistry.h"
#include "export/HtmlExport.h"
#include "export/TextExport.h"

namespace cellvex {

namespace {

// 1-based interface index to 0-based; anything below 1 is outside the report.
int zeroBased(std::int32_t a)
{
    return a > 0 ? a - 1 : -1;
}

} // namespace

void registerExportMembers(MemberRegistry &r)
{
    // Pending input was committed by the boundary (both rows commit).
    r.add(MemberId::TransHtml, [](CellvexControl &c, MemberCall &m) {
        m.retString(transHtml(c.report(), m.b(0), zeroBased(m.i32(1)), zeroBased(m.i32(2)),
                              zeroBased(m.i32(3)), zeroBased(m.i32(4)), m.s(5)));
    });
    r.add(MemberId::TransText, [](CellvexControl &c, MemberCall &m) {
        m.retString(transText(c.report(), m.b(0), zeroBased(m.i32(1)), zeroBased(m.i32(2)),
                              zeroBased(m.i32(3)), zeroBased(m.i32(4)), m.b(5), m.s(6)));
    });
}

} // namespace cellvex
