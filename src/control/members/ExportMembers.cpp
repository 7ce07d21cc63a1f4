// Members of the report as HTML, as separated text and as a workbook.
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
    r.add(MemberId::TransExcel, [](ReportActions &a, MemberCall &m) {
        a.transExcel(m.s(0), m.b(1), m.index(2), m.index(3), m.index(4), m.index(5));
    });
    // The worksheet range in the program's own 1-based numbers: first
    // column, last column, first row, last row, whatever the arguments are
    // named.
    r.add(MemberId::TransFormExcel, [](ReportActions &a, MemberCall &m) {
        a.transFormExcel(m.s(0), m.i32(1), m.i32(2), m.i32(3), m.i32(4));
    });
}

} // namespace cellvex
