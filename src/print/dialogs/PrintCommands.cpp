#include "PrintCommands.h"

#include "print/PageSetup.h"
#include "print/Pagination.h"
#include "print/PrintJob.h"
#include "print/PrintJobSetup.h"
#include "print/PrinterService.h"
#include "print/dialogs/DialogRunner.h"
#include "print/dialogs/PrintContext.h"
#include "print/dialogs/PrintPreviewWindow.h"
#include "print/dialogs/PrintSetupDialog.h"
#include "report/PageSettings.h"
#include "report/Report.h"

namespace cellvex {

namespace {

void raise(PrintContext &ctx, const QString &message)
{
    ctx.host.reportError(message);
}

PrintJob jobFor(PrintContext &ctx)
{
    return PrintJob(ctx.report, ctx.settings, ctx.pagination, ctx.printer,
                    [&ctx](const QString &message) { raise(ctx, message); });
}

} // namespace

std::optional<PrintDialogChoice> askPrintChoice(PrintContext &ctx)
{
    PrintDialog dialog(ctx.settings, ctx.printer, ctx.parent);
    if (ctx.runner.exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

std::optional<PrintSetupValues> askPrintSetup(PrintContext &ctx)
{
    const QStringList fonts = ctx.host.installedFonts();
    PrintSetupDialog dialog(ctx.settings, ctx.printer, fonts, ctx.parent);
    if (ctx.runner.exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.values();
}

void printWithDialog(PrintContext &ctx)
{
    PrintJob job = jobFor(ctx);
    if (!job.checkPrinterInstalled())
        return;
    const std::optional<PrintDialogChoice> choice = askPrintChoice(ctx);
    if (!choice)
        return;

    ctx.settings.printerName = choice->printerName;
    // As the orientation property does: the page turns and is cut again.
    if (ctx.settings.setLandscape(choice->landscape)) {
        ctx.host.repaginate();
        ctx.report.setSaved(false);
    }
    ctx.settings.copies = choice->copies;

    const std::optional<std::vector<std::int64_t>> pages =
        selectPages(choice->allPages, choice->pageField, ctx.pagination.pageCount());
    if (!pages || pages->empty()) {
        raise(ctx, pages ? kNothingToPrintMessage : kBadPageSelectionMessage);
        ctx.report.setSaved(false);
        return;
    }
    job.printPages(*pages, ctx.jobTitle);
    ctx.report.setSaved(false);
}

void printSetup(PrintContext &ctx)
{
    if (ctx.printer.printerCount() == 0) {
        raise(ctx, kNoPrinterMessage);
        return;
    }
    const std::optional<PrintSetupValues> values = askPrintSetup(ctx);
    if (!values)
        return;
    applyPrintSetup(ctx.settings, *values);
    ctx.host.repaginate();
    ctx.report.setSaved(false);
}

void previewReport(PrintContext &ctx)
{
    bool changed = false;
    {
        PrintPreviewWindow window(ctx, ctx.parent);
        ctx.runner.exec(window);
        changed = window.settingsChanged();
    }
    if (!changed)
        return;
    ctx.host.rebuildPageBreakLines();
    ctx.report.setSaved(false);
}

} // namespace cellvex
