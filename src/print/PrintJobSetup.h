#pragma once

#include "print/PrinterService.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace cellvex {

struct PageSettings;

// Messages printing reports through the error event.
inline const QString kNoPrinterMessage = QStringLiteral("打印错误，没有安装打印机");
inline const QString kBadPageSelectionMessage = QStringLiteral("打印错误，选定表页不正确");
inline const QString kNothingToPrintMessage = QStringLiteral("打印错误，没有发现需要打印的内容");

// A printer list entry as the dialogs and the settings name it: "name on
// port" is cut before the first " on " (any letter case).
QString printerListName(const QString &entry);

// Index of the installed printer whose list name equals `printerName`; -1
// when the name is empty or no longer installed (the default printer is used).
int findPrinter(const QStringList &printers, const QString &printerName);

// What a job is sent: paper code from the paper name (A4 when unknown),
// orientation, copies, and for the custom paper its size in tenths of a
// millimetre. Throws ReportError when a custom size text is not a number.
DeviceSettings deviceSettingsFor(const PageSettings &settings);

// Device pixels per page pixel: the printer's resolution over the screen's.
struct DeviceScale
{
    double x = 1.0;
    double y = 1.0;
};
DeviceScale deviceScaleFor(QSize deviceResolution, int screenPixelsPerInch);

// Pages chosen in the print dialog, ascending, each once. All pages when
// `allPages` is set or the field is blank; otherwise the comma-separated
// numbers and "a-b" ranges of the field, numbers outside 1..pageCount ignored.
// Nothing when the field does not parse.
std::optional<std::vector<std::int64_t>> selectPages(bool allPages, const QString &field,
                                                     std::int64_t pageCount);

} // namespace cellvex
