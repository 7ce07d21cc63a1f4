#pragma once

#include "print/PrinterService.h"

#include <QImage>
#include <QPainter>

#include <map>
#include <memory>
#include <stdexcept>

namespace cellvex {

// A printer service that draws each sheet into an image and logs every call,
// with switches that make a step fail.
class FakePrinterService : public PrinterService
{
public:
    QStringList installed{QStringLiteral("PDF")};
    int defaultIndex = 0;
    QSize dpi{96, 96};
    QPoint offset;
    QSize sheetSize{794, 1123};

    bool failBegin = false;
    int failNewPageCall = 0; // 1-based call of newPage() that fails; 0 never
    bool failEnd = false;
    bool noCanvas = false;
    bool throwOnCanvas = false; // pageCanvas() throws, as a device out of memory would
    QString reason;             // what lastError() says
    // What the dialogs are told about the printers: supported paper codes
    // (the same for every printer) and details by printer list name.
    std::vector<int> papers;
    std::map<QString, PrinterDetails> details;
    mutable QStringList paperQueries; // "printer|port" of every paper query

    int selected = -1;
    DeviceSettings settings;
    DeviceSettings settingsAtBegin; // what the job was opened with
    QString title;
    QStringList log;
    std::vector<QImage> sheets;

    QStringList printers() const override { return installed; }
    int currentPrinter() const override { return selected >= 0 ? selected : defaultPrinter(); }
    int defaultPrinter() const override { return installed.isEmpty() ? -1 : defaultIndex; }
    void selectPrinter(int index) override
    {
        selected = index;
        log << QStringLiteral("select %1").arg(index);
    }
    void setDeviceSettings(const DeviceSettings &s) override
    {
        settings = s;
        log << QStringLiteral("settings");
    }
    void clearCustomSize() override
    {
        settings.customSize = false;
        log << QStringLiteral("clear custom size");
    }
    QSize resolution() const override { return dpi; }
    QPoint physicalOffset() const override { return offset; }
    std::vector<int> supportedPapers(const QString &printer, const QString &port) const override
    {
        paperQueries << printer + QLatin1Char('|') + port;
        return papers;
    }
    std::optional<PrinterDetails> printerDetails(const QString &printer) const override
    {
        const auto it = details.find(printer);
        if (it == details.end())
            return std::nullopt;
        return it->second;
    }

    bool beginJob(const QString &t) override
    {
        log << QStringLiteral("begin");
        if (failBegin)
            return false;
        title = t;
        settingsAtBegin = settings;
        startSheet();
        return true;
    }
    bool newPage() override
    {
        log << QStringLiteral("new page");
        if (++m_newPageCalls == failNewPageCall)
            return false;
        startSheet();
        return true;
    }
    bool endJob() override
    {
        log << QStringLiteral("end");
        m_painter.reset();
        return !failEnd;
    }
    void abortJob() override
    {
        log << QStringLiteral("abort");
        m_painter.reset();
    }
    QPainter *pageCanvas() override
    {
        if (throwOnCanvas)
            throw std::runtime_error("设备内存不足");
        return noCanvas ? nullptr : m_painter.get();
    }
    QString lastError() const override { return reason; }

private:
    void startSheet()
    {
        m_painter.reset();
        sheets.emplace_back(sheetSize, QImage::Format_RGB32);
        sheets.back().fill(Qt::white);
        m_painter = std::make_unique<QPainter>(&sheets.back());
    }

    int m_newPageCalls = 0;
    std::unique_ptr<QPainter> m_painter;
};

} // namespace cellvex
