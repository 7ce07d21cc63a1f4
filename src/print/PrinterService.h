#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QPainter;

namespace cellvex {

// Settings a print job is sent with. The custom size is only meaningful (and
// only marked as set) for the custom paper.
struct DeviceSettings
{
    int paperCode = 9;
    int orientation = 1; // 1 portrait, 2 landscape
    int copies = 1;
    bool customSize = false;
    int paperWidthTenthsMm = 0;
    int paperLengthTenthsMm = 0;

    bool operator==(const DeviceSettings &) const = default;
};

struct PrinterDetails
{
    QString driver;
    QString port;
    QString description;
};

// The platform's printing layer as printing, preview and the dialogs use it.
// The control's implementation talks to the system's spooler; tests use a fake.
class PrinterService
{
public:
    virtual ~PrinterService() = default;

    // Installed printers in the system's order, as the system names them
    // (possibly "name on port"); empty when none is installed.
    virtual QStringList printers() const = 0;
    int printerCount() const { return int(printers().size()); }
    // Index of the printer later calls apply to: the system default until one
    // is selected; -1 when no printer is installed.
    virtual int currentPrinter() const = 0;
    // Index of the system's default printer; -1 when no printer is installed.
    // Printing falls back to it when the report names no installed printer,
    // whatever an earlier job selected.
    virtual int defaultPrinter() const = 0;
    virtual void selectPrinter(int index) = 0;

    virtual void setDeviceSettings(const DeviceSettings &settings) = 0;
    // Drops the custom-size marks after a job so the next job uses the code.
    virtual void clearCustomSize() = 0;

    // Device pixels per inch (horizontal, vertical).
    virtual QSize resolution() const = 0;
    // Unprintable left and top border in device pixels.
    virtual QPoint physicalOffset() const = 0;

    // Paper codes the printer supports, in its order; none when it cannot tell.
    virtual std::vector<int> supportedPapers(const QString &printer, const QString &port) const = 0;
    virtual std::optional<PrinterDetails> printerDetails(const QString &printer) const = 0;

    // One print job: false from beginJob/newPage/endJob means the job failed.
    virtual bool beginJob(const QString &title) = 0;
    virtual bool newPage() = 0;
    virtual bool endJob() = 0;
    virtual void abortJob() = 0;
    // The canvas of the current page in device pixels; null outside a job.
    // Its origin is the corner of the printable area, physicalOffset() away
    // from the paper's corner.
    virtual QPainter *pageCanvas() = 0;
    // Why the last job step failed, in the printing layer's words; empty
    // when it cannot tell.
    virtual QString lastError() const { return QString(); }
};

} // namespace cellvex
