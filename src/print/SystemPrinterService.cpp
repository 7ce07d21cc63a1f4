#include "SystemPrinterService.h"

#include "common/Rounding.h"
#include "print/CupsQueue.h"

#include <QDir>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <algorithm>

namespace cellvex {

namespace {

// The paper of the settings as Qt names it. The custom size arrives upright
// (as in portrait) and the orientation turns it, as with a named paper.
QPageSize pageSizeFor(const DeviceSettings &s)
{
    if (s.customSize && s.paperWidthTenthsMm > 0 && s.paperLengthTenthsMm > 0) {
        return QPageSize(QSizeF(s.paperWidthTenthsMm / 10.0, s.paperLengthTenthsMm / 10.0),
                         QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
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
    // Full page: Qt's origin is the paper's corner, whatever margins its page
    // layout carries. The job then places the canvas origin itself at the
    // printer's unprintable border (see unprintableBorder), so that the page
    // margins are measured from the paper's edges on every printer.
    printer->setFullPage(true);
    // Orientation first: the printable margins Qt derives from the page size
    // depend on it.
    printer->setPageOrientation(m_settings.orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer->setPageSize(pageSizeFor(m_settings));
    return printer;
}

QPoint SystemPrinterService::unprintableBorder(const QPrinter &printer)
{
    // The printer's own minimum margins (its driver's imageable area), not
    // the layout's margins, which are only a default or a user's choice.
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Inch);
    const QMarginsF border = layout.minimumMargins();
    return QPoint(int(roundHalfEven(border.left() * printer.logicalDpiX())),
                  int(roundHalfEven(border.top() * printer.logicalDpiY())));
}

void SystemPrinterService::placeCanvasOrigin()
{
    m_painter.resetTransform();
    m_painter.translate(m_jobOffset);
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
    return printer ? unprintableBorder(*printer) : QPoint();
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
        m_lastError = QStringLiteral("找不到打印机");
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
        m_lastError = QStringLiteral("打印设备无法打开");
        dropJob();
        return false;
    }
    m_jobOffset = unprintableBorder(*m_jobPrinter);
    placeCanvasOrigin();
    return true;
}

bool SystemPrinterService::newPage()
{
    if (!m_painter.isActive())
        return false;
    if (!m_jobPrinter->newPage()) {
        m_lastError = QStringLiteral("打印设备拒绝换页");
        return false;
    }
    // Each sheet starts with the same origin, whatever the last one left.
    placeCanvasOrigin();
    return true;
}

bool SystemPrinterService::endJob()
{
    if (!m_painter.isActive())
        return false;
    if (!m_painter.end()) {
        m_lastError = QStringLiteral("打印文档无法完成");
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
    m_jobOffset = QPoint();
}

} // namespace cellvex
