// Members of the report as HTML and as separated text.
#include "control/MemberCall.h"
#include "control/MemberRegistry.h"
#include "control/ReportActions.h"
#include "export/HtmlExport.h"
#include "export/TextExport.h"

namespace cellvex {

void registerExportMembers(MemberRegistry &r)
{
    // Pending input was committed by the boundary (both rows commit).
    r.add(MemberId::TransHtml, [](ReportActions &a, MemberCall &m) {
        a.refreshChartSnapshots(); // chart cells are written as their pictures
        m.retString(transHtml(a.report(), m.b(0), m.index(1), m.index(2), m.index(3), m.index(4), m.s(5)));
    });
    r.add(MemberId::TransText, [](ReportActions &a, MemberCall &m) {
        m.retString(
            transText(a.report(), m.b(0), m.index(1), m.index(2), m.index(3), m.index(4), m.b(5), m.s(6)));
    });
}

} // namespace cellvex
