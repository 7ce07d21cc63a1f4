#pragma once

#include "print/PrinterService.h"

#include <QPainter>
#include <QString>

#include <memory>

class QPrinter;
class QTemporaryFile;

namespace cellvex {

// The printers of the system (CUPS through Qt PrintSupport). A job is drawn
// into a temporary file in the printer's own format and handed to the queue
// only when it ends, so that an aborted job never reaches the spooler: Qt's
// own CUPS engine spools whatever was drawn when the painter ends and cannot
// abort.
class SystemPrinterService : public PrinterService
{
public:
    SystemPrinterService();
    ~SystemPrinterService() override;
    SystemPrinterService(const SystemPrinterService &) = delete;
    SystemPrinterService &operator=(const SystemPrinterService &) = delete;

    QStringList printers() const override;
    int currentPrinter() const override;
    int defaultPrinter() const override;
    void selectPrinter(int index) override;

    void setDeviceSettings(const DeviceSettings &settings) override;
    void clearCustomSize() override;
    const DeviceSettings &deviceSettings() const { return m_settings; }

    QSize resolution() const override;
    QPoint physicalOffset() const override;

    std::vector<int> supportedPapers(const QString &printer, const QString &port) const override;
    std::optional<PrinterDetails> printerDetails(const QString &printer) const override;

    bool beginJob(const QString &title) override;
    bool newPage() override;
    bool endJob() override;
    void abortJob() override;
    QPainter *pageCanvas() override;

    // Why the last job step failed; empty after a good job.
    QString lastError() const override { return m_lastError; }

private:
    // The queue later calls apply to: the selected one while it is installed,
    // else the default. Empty when no printer is installed.
    QString currentName() const;
    // A printer for the current queue with the device settings applied.
    std::unique_ptr<QPrinter> configuredPrinter() const;
    // The unprintable left and top border of the printer's current paper in
    // its device pixels.
    static QPoint unprintableBorder(const QPrinter &printer);
    // Puts the canvas origin at the corner of the printable area.
    void placeCanvasOrigin();
    void dropJob();

    QString m_selected;
    DeviceSettings m_settings;
    std::unique_ptr<QPrinter> m_jobPrinter;
    std::unique_ptr<QTemporaryFile> m_jobFile;
    QString m_jobQueue;
    QString m_jobTitle;
    QPoint m_jobOffset; // the unprintable border of the open job
    QPainter m_painter;
    QString m_lastError;
};

} // namespace cellvex
