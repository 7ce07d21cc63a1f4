// Printing the report, with or without the print dialog, the page setup
// dialog and the print preview window. The printer and the way modal dialogs
// are shown come from the control, so a host or a test can replace both.
#include "control/MemberCall.h"
#include "control/MemberRegistry.h"
#include "control/ReportActions.h"
#include "print/PrintJob.h"
#include "print/PrinterService.h"
#include "print/dialogs/DialogRunner.h"
#include "print/dialogs/PrintCommands.h"
#include "print/dialogs/PrintContext.h"

namespace cellvex {

namespace {

// Runs `command` on the control's report, printer and dialogs. The printer
// service lives for the one call.
template <typename F> void withPrintContext(ReportActions &a, F &&command)
{
    a.refreshChartSnapshots();
    const std::shared_ptr<PrinterService> printer = a.frame().printerService();
    PrintContext ctx{
        a.report(), a.report().pageSettings(), a.pagination(), *printer, a.frame().dialogRunner(),
        a,          &a.frame().formWidget()};
    command(ctx);
}

} // namespace

void registerPrintMembers(MemberRegistry &r)
{
    r.add(MemberId::Print, [](ReportActions &a, MemberCall &m) {
        if (m.b(0)) {
            withPrintContext(a, [](PrintContext &ctx) { printWithDialog(ctx); });
            return;
        }
        // A failure while the job is open aborts it and raises OnError with
        // what failed; the call itself still succeeds, as the event is the
        // report. An empty report opens no job.
        withPrintContext(a, [](PrintContext &ctx) {
            PrintJob job(ctx.report, ctx.settings, ctx.pagination, ctx.printer,
                         [&ctx](const QString &message) { ctx.host.reportError(message); });
            job.printAll(ctx.jobTitle);
        });
    });
    r.add(MemberId::PrintSetup, [](ReportActions &a, MemberCall &) {
        withPrintContext(a, [](PrintContext &ctx) { printSetup(ctx); });
    });
    r.add(MemberId::Preview, [](ReportActions &a, MemberCall &) {
        withPrintContext(a, [](PrintContext &ctx) { previewReport(ctx); });
    });
}

} // namespace cellvex
