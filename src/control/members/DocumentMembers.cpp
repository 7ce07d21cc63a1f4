// Members of the stored report: files and strings.
#include "control/CellvexControl.h"
#include "control/MemberCall.h"
#include "control/MemberRegistry.h"
#include "control/PaintSuspension.h"
#include "control/input/InPlaceEditor.h"
#include "document/ReportDocument.h"
#include "grid/selection/SelectionController.h"

namespace cellvex {

namespace {

// Replaces the control's report by one read from a stored form, the way
// NewReport replaces it by an empty one. Reading has already succeeded:
// until then the report, and any input being typed, were left alone.
void openLoaded(CellvexControl &c, LoadedReport &&loaded)
{
    {
        PaintSuspension suspend(c.mainPanel());
        // Unfinished input belonged to the old report: discarded, never written.
        c.inPlaceEditor().hideEditors();
        applyLoadedReport(c.report(), c.pageSettings(), std::move(loaded));
        // The stored ruler mode takes effect as its property would.
        c.setPoleVisible(c.report().poleVisible());
        c.selection().placeSelectionFrame();
        c.paginate();
    }
    c.events().inputChange(-1, -1);
    c.events().selectChange(-1, -1, -1, -1);
}

} // namespace

void registerDocumentMembers(MemberRegistry &r)
{
    // Pending input is finished by the boundary before either save.
    r.add(MemberId::SaveReport,
          [](CellvexControl &c, MemberCall &m) { saveReportFile(c.report(), c.pageSettings(), m.s(0)); });
    r.add(MemberId::SaveString, [](CellvexControl &c, MemberCall &m) {
        m.retString(saveReportString(c.report(), c.pageSettings()));
    });
    r.add(MemberId::OpenReport, [](CellvexControl &c, MemberCall &m) {
        std::optional<LoadedReport> loaded = readReportFile(m.s(0), c.pageSettings().pixelsPerInch());
        if (loaded) // no such file: nothing to do
            openLoaded(c, std::move(*loaded));
    });
    r.add(MemberId::OpenString, [](CellvexControl &c, MemberCall &m) {
        openLoaded(c, readReportString(m.s(0), c.pageSettings().pixelsPerInch()));
    });
}

} // namespace cellvex
