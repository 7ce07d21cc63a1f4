// Printing the report. The print dialog comes with the dialogs; until then
// Print(True) still reports a missing printer first, as every form does.
#include "control/CellvexControl.h"
#include "control/MemberCall.h"
#include "control/MemberRegistry.h"
#include "print/PrintJob.h"
#include "print/SystemPrinterService.h"

namespace cellvex {

void registerPrintMembers(MemberRegistry &r)
{
    r.method("Print", [](CellvexControl &c, MemberCall &m) {
        // A service per call: the printer list and the default printer are
        // read afresh, so printers added or removed since the last job count.
        SystemPrinterService printer;
        PrintJob job(c.report(), c.pageSettings(), c.pagination(), printer,
                     [&c](const QString &message) { c.events().error(message); });
        if (m.b(0)) {
            if (!job.checkPrinterInstalled())
                return;
            throw NotImplemented(QStringLiteral("Print with the print dialog"));
        }
        // A failure while the job is open aborts it and raises OnError with
        // what failed; the call itself still succeeds, as the event is the
        // report. An empty report opens no job.
        job.printAll(QStringLiteral("Cellvex"));
    });
}

} // namespace cellvex
