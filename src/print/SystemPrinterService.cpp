#include "SystemPrinterService.h"

#include "print/CupsQueue.h"

#include <QDir>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <algorithm>

namespace cellvex {

namespace {

// The paper of the settings as Qt names it. The paper is always described
// upright (short side across) and the orientation turns it, whichever way
// round the custom width and length were given.
QPageSize pageSizeFor(const DeviceSettings &s)
{
    if (s.customSize && s.paperWidthTenthsMm > 0 && s.paperLengthTenthsMm > 0) {
        const double a = s.paperWidthTenthsMm / 10.0, b = s.paperLengthTenthsMm / 10.0;
        return QPageSize(QSizeF(std::min(a, b), std::max(a, b)), QPageSize::Millimeter, QString(),
                         QPageSize::ExactMatch);
    }
    const QPageSize::PageSizeId id = QPageSize::id(s.paperCode);
    return QPageSize(id == QPageSize::Custom ? QPageSize::A4 : id);
}

} // namespace

SystemPrinterService::SystemPrinterService() = default;

SystemPrinterService::~SystemPrinterService()
{
    abortJob();
}

QStringList SystemPrinterService::printers() const
{
    return QPrinterInfo::availablePrinterNames();
}

QString SystemPrinterService::currentName() const
{
    const QStringList names = printers();
    if (!m_selected.isEmpty() && names.contains(m_selected))
        return m_selected;
    const int d = defaultPrinter();
    return d >= 0 ? names[d] : QString();
}

int SystemPrinterService::currentPrinter() const
{
    const QString name = currentName();
    return name.isEmpty() ? -1 : int(printers().indexOf(name));
}

int SystemPrinterService::defaultPrinter() const
{
    const QStringList names = printers();
    if (names.isEmpty())
        return -1;
    // A system without a chosen default still prints: on its first printer.
    return std::max(0, int(names.indexOf(QPrinterInfo::defaultPrinterName())));
}

void SystemPrinterService::selectPrinter(int index)
{
    const QStringList names = printers();
    if (index >= 0 && index < names.size())
        m_selected = names[index];
}

void SystemPrinterService::setDeviceSettings(const DeviceSettings &settings)
{
    m_settings = settings;
}

void SystemPrinterService::clearCustomSize()
{
    m_settings.customSize = false;
}

std::unique_ptr<QPrinter> SystemPrinterService::configuredPrinter() const
{
    const QString name = currentName();
    if (name.isEmpty())
        return nullptr;
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull())
        return nullptr;
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    // Not full page: the canvas origin is the corner of the printable area,
    // and physicalOffset() says how far that lies from the paper's corner.
    printer->setFullPage(false);
    // Orientation first: the printable margins Qt derives from the page size
    // depend on it.
    printer->setPageOrientation(m_settings.orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer->setPageSize(pageSizeFor(m_settings));
    return printer;
}

QSize SystemPrinterService::resolution() const
{
    if (m_jobPrinter)
        return {m_jobPrinter->logicalDpiX(), m_jobPrinter->logicalDpiY()};
    const std::unique_ptr<QPrinter> printer = configuredPrinter();
    return printer ? QSize(printer->logicalDpiX(), printer->logicalDpiY()) : QSize();
}

QPoint SystemPrinterService::physicalOffset() const
{
    std::unique_ptr<QPrinter> configured;
    const QPrinter *printer = m_jobPrinter.get();
    if (!printer) {
        configured = configuredPrinter();
        printer = configured.get();
    }
    return printer ? printer->pageRect(QPrinter::DevicePixel).topLeft().toPoint() : QPoint();
}

std::vector<int> SystemPrinterService::supportedPapers(const QString &printer, const QString &) const
{
    std::vector<int> codes;
    const QPrinterInfo info = QPrinterInfo::printerInfo(printer);
    if (info.isNull())
        return codes;
    for (const QPageSize &size : info.supportedPageSizes()) {
        const int code = size.windowsId();
        if (code > 0 && codes.size() < 256)
            codes.push_back(code);
    }
    return codes;
}

std::optional<PrinterDetails> SystemPrinterService::printerDetails(const QString &printer) const
{
    return CupsQueue::details(printer);
}

bool SystemPrinterService::beginJob(const QString &title)
{
    if (m_painter.isActive())
        return false;
    m_lastError.clear();
    m_jobPrinter = configuredPrinter();
    if (!m_jobPrinter) {
        m_lastError = QStringLiteral("no printer installed");
        return false;
    }
    // Not ".pdf": that name would switch Qt to its generic PDF writer, which
    // knows nothing of the printer's papers and unprintable border.
    m_jobFile =
        std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/cellvex-job-XXXXXX.spool"));
    if (!m_jobFile->open()) {
        m_lastError = m_jobFile->errorString();
        dropJob();
        return false;
    }
    m_jobFile->close();
    m_jobQueue = m_jobPrinter->printerName();
    m_jobTitle = title;
    m_jobPrinter->setDocName(title);
    m_jobPrinter->setOutputFileName(m_jobFile->fileName());
    if (!m_painter.begin(m_jobPrinter.get())) {
        m_lastError = QStringLiteral("cannot open the print device");
        dropJob();
        return false;
    }
    return true;
}

bool SystemPrinterService::newPage()
{
    return m_painter.isActive() && m_jobPrinter->newPage();
}

bool SystemPrinterService::endJob()
{
    if (!m_painter.isActive())
        return false;
    if (!m_painter.end()) {
        m_lastError = QStringLiteral("cannot finish the document");
        dropJob();
        return false;
    }
    SpoolOptions options;
    options.media = m_jobPrinter->pageLayout().pageSize().key();
    options.landscape = m_jobPrinter->pageLayout().orientation() == QPageLayout::Landscape;
    options.copies = m_settings.copies;
    const int job =
        CupsQueue::spoolFile(m_jobQueue, m_jobFile->fileName(), m_jobTitle, options, &m_lastError);
    dropJob();
    return job > 0;
}

void SystemPrinterService::abortJob()
{
    // Ending the painter only finishes the temporary file; dropping the file
    // is what discards the job.
    if (m_painter.isActive())
        m_painter.end();
    dropJob();
}

QPainter *SystemPrinterService::pageCanvas()
{
    return m_painter.isActive() ? &m_painter : nullptr;
}

void SystemPrinterService::dropJob()
{
    m_jobPrinter.reset();
    m_jobFile.reset();
    m_jobQueue.clear();
    m_jobTitle.clear();
}

} // namespace cellvex
