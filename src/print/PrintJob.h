#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace cellvex {

class Report;
class Pagination;
class PrinterService;
struct PageSettings;

// One print run of a report: chooses the printer the page settings name,
// sends the paper, orientation and copies, and draws the pages in page-number
// order, one sheet each. Widget free; the printer is whatever service it is
// given, so the same run serves the control and the tests.
class PrintJob
{
public:
    // Receives the messages the user is shown (the control raises OnError).
    using ErrorSink = std::function<void(const QString &)>;

    enum class Result {
        Printed,
        NoPrinter,      // reported through the sink
        NothingToPrint, // reported through the sink
        Aborted,        // a failure while the job was open; reported through the sink
    };

    PrintJob(const Report &report, const PageSettings &settings, const Pagination &pagination,
             PrinterService &printer, ErrorSink onError);

    // True when a printer is installed; otherwise reports that none is.
    bool checkPrinterInstalled();

    // Every page of the pagination.
    Result printAll(const QString &title);
    // The given 1-based page numbers, each once, in ascending order; numbers
    // outside the pagination are skipped.
    Result printPages(std::vector<std::int64_t> pages, const QString &title);

private:
    // Printer choice and device settings; throws ReportError for a custom
    // paper size that is not a number (nothing has been opened then).
    void configurePrinter();
    // Opens the job, draws the pages and closes it. On a failure the job is
    // aborted and the message for the user is returned; nothing on success.
    std::optional<QString> drawPages(const std::vector<std::int64_t> &pages, const QString &title);
    // The user's message for a failed step, with the printing layer's reason.
    QString failure(const QString &what) const;

    const Report &m_report;
    const PageSettings &m_settings;
    const Pagination &m_pagination;
    PrinterService &m_printer;
    ErrorSink m_onError;
};

} // namespace cellvex
