// Members of the stored report (files and strings) and of the cell XML.
#include "control/MemberCall.h"
#include "control/MemberRegistry.h"
#include "control/ReportActions.h"
#include "document/ReportDocument.h"

namespace cellvex {

using A = ReportActions;
using M = MemberCall;

void registerDocumentMembers(MemberRegistry &r)
{
    // Pending input is finished by the boundary before either save.
    r.add(MemberId::SaveReport,
          [](A &a, M &m) { saveReportFile(a.report(), a.report().pageSettings(), m.s(0)); });
    r.add(MemberId::SaveString,
          [](A &a, M &m) { m.retString(saveReportString(a.report(), a.report().pageSettings())); });
    // Reading comes first: until it succeeded the report, and any input
    // being typed, are left alone.
    r.add(MemberId::OpenReport, [](A &a, M &m) {
        std::optional<LoadedReport> loaded =
            readReportFile(m.s(0), a.report().pageSettings().pixelsPerInch());
        if (loaded) // no such file: nothing to do
            a.openReport(std::move(*loaded));
    });
    r.add(MemberId::OpenString, [](A &a, M &m) {
        a.openReport(readReportString(m.s(0), a.report().pageSettings().pixelsPerInch()));
    });
    // Cell XML: values out of the report and into a template.
    r.add(MemberId::ExportXML, [](A &a, M &m) { m.retString(a.exportXml(m.i32(0), m.s(1))); });
    r.add(MemberId::ImportXML, [](A &a, M &m) { a.importXml(m.s(0)); });
}

} // namespace cellvex
