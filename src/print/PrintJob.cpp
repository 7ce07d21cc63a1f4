#include "PrintJob.h"

#include "print/PageRenderer.h"
#include "print/Pagination.h"
#include "print/PrintJobSetup.h"
#include "print/PrinterService.h"
#include "report/PageSettings.h"

#include <algorithm>
#include <exception>

namespace cellvex {

PrintJob::PrintJob(const Report &report, const PageSettings &settings, const Pagination &pagination,
                   PrinterService &printer, ErrorSink onError)
    : m_report(report), m_settings(settings), m_pagination(pagination), m_printer(printer),
      m_onError(std::move(onError))
{
}

bool PrintJob::checkPrinterInstalled()
{
    if (m_printer.printerCount() > 0)
        return true;
    if (m_onError)
        m_onError(kNoPrinterMessage);
    return false;
}

PrintJob::Result PrintJob::printAll(const QString &title)
{
    std::vector<std::int64_t> pages;
    for (std::int64_t n = 1; n <= m_pagination.pageCount(); ++n)
        pages.push_back(n);
    return printPages(std::move(pages), title);
}

PrintJob::Result PrintJob::printPages(std::vector<std::int64_t> pages, const QString &title)
{
    if (!checkPrinterInstalled())
        return Result::NoPrinter;
    std::sort(pages.begin(), pages.end());
    pages.erase(std::unique(pages.begin(), pages.end()), pages.end());
    std::erase_if(pages, [this](std::int64_t n) { return n < 1 || n > m_pagination.pageCount(); });
    // An empty report (or a selection of no existing page) would otherwise
    // come out as one blank sheet.
    if (pages.empty()) {
        if (m_onError)
            m_onError(kNothingToPrintMessage);
        return Result::NothingToPrint;
    }

    configurePrinter();
    const std::optional<QString> failed = drawPages(pages, title);
    // The custom size applies to this job only.
    m_printer.clearCustomSize();
    if (!failed)
        return Result::Printed;
    // Raised once the device is free again: a handler may well retry.
    if (m_onError)
        m_onError(*failed);
    return Result::Aborted;
}

void PrintJob::configurePrinter()
{
    const DeviceSettings device = deviceSettingsFor(m_settings);
    const int named = findPrinter(m_printer.printers(), m_settings.printerName);
    m_printer.selectPrinter(named >= 0 ? named : m_printer.defaultPrinter());
    m_printer.setDeviceSettings(device);
}

QString PrintJob::failure(const QString &what) const
{
    const QString reason = m_printer.lastError().trimmed();
    return kPrintErrorPrefix + what + (reason.isEmpty() ? QString() : QStringLiteral("：") + reason);
}

std::optional<QString> PrintJob::drawPages(const std::vector<std::int64_t> &pages, const QString &title)
{
    // Every failure after beginJob must abort: half a report must not reach
    // the paper, and the device must be free for the next job.
    const auto abortWith = [this](const QString &message) {
        m_printer.abortJob();
        return std::optional<QString>(message);
    };
    // The step under way, named in the message when it throws.
    QString step = kJobNotStartedText;
    try {
        if (!m_printer.beginJob(title))
            return failure(step);
        step = kNoResolutionText;
        // Metrics of the device the job actually draws on.
        const QSize dpi = m_printer.resolution();
        if (dpi.width() <= 0 || dpi.height() <= 0)
            return abortWith(failure(step));
        const DeviceScale scale = deviceScaleFor(dpi, m_settings.pixelsPerInch());
        RenderTarget target;
        target.scaleX = scale.x;
        target.scaleY = scale.y;
        target.targetDpiY = dpi.height();
        target.forPrinter = true;
        target.physicalOffset = m_printer.physicalOffset();

        const PageRenderer renderer(m_report, m_settings, m_pagination);
        for (size_t i = 0; i < pages.size(); ++i) {
            int colBand = 0, rowBand = 0;
            m_pagination.bandsOfPage(pages[i], colBand, rowBand);
            step = kNoSheetText;
            if (i > 0 && !m_printer.newPage())
                return abortWith(failure(step));
            step = kNoCanvasText;
            QPainter *canvas = m_printer.pageCanvas();
            if (!canvas)
                return abortWith(failure(step));
            step = kPageNotDrawnText.arg(pages[i]);
            renderer.drawPage(*canvas, colBand, rowBand, target);
        }
        step = kJobNotSentText;
        if (!m_printer.endJob())
            return abortWith(failure(step));
    } catch (const std::exception &e) {
        // Out of memory, a cell that cannot be laid out: the reason is the
        // exception's, not the printing layer's.
        const QString reason = QString::fromUtf8(e.what()).trimmed();
        return abortWith(kPrintErrorPrefix + step +
                         (reason.isEmpty() ? QString() : QStringLiteral("：") + reason));
    }
    return std::nullopt;
}

} // namespace cellvex
