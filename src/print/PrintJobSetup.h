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
// A failure while a job is open: the prefix, then what failed (and the
// printing layer's reason when it gives one).
inline const QString kPrintErrorPrefix = QStringLiteral("打印错误，");
inline const QString kJobNotStartedText = QStringLiteral("无法开始打印作业");
inline const QString kNoResolutionText = QStringLiteral("无法读取打印机的分辨率");
inline const QString kNoSheetText = QStringLiteral("无法开始新的一页");
inline const QString kNoCanvasText = QStringLiteral("无法在打印机上绘图");
inline const QString kPageNotDrawnText = QStringLiteral("第 %1 页无法绘制");
inline const QString kJobNotSentText = QStringLiteral("无法把打印作业交给打印机");

// A printer list entry as the dialogs and the settings name it: "name on
// port" is cut before the first " on " (any letter case).
QString printerListName(const QString &entry);

// Index of the installed printer whose list name equals `printerName`; -1
// when the name is empty or no longer installed (the default printer is used).
int findPrinter(const QStringList &printers, const QString &printerName);

// What a job is sent: paper code from the paper name (A4 when unknown or
// empty), orientation, copies (at least 1), and for the custom paper its
// upright size in tenths of a millimetre (width across, length down, as in
// portrait, whatever the orientation). Throws ReportError when a custom size
// text is not a number.
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
