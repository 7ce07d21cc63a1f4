// Feeds arbitrary bytes to the readers of the two cell-range texts that come
// from outside: "CellXML" given to ImportXML, and the clipboard texts any
// program can leave behind. The first byte chooses what the rest is:
//   0      a "CellXML" text, read and written into a small report;
//   1, 2   the XML of a full- or content-shape clipboard text, packed here so
//          that the fuzzer works on the XML;
//   3, 4   the packed part of such a clipboard text as a program left it.
// Checks the promises the members rely on: a failure is a ReportError and
// nothing else, changing nothing; what was written leaves whole,
// non-overlapping merged blocks; and what a paste or an import produced can
// be copied or exported again and read back.

#include "common/ReportError.h"
#include "document/CellXmlImport.h"
#include "document/CellXmlReader.h"
#include "document/CellXmlWriter.h"
#include "document/ClipboardPaste.h"
#include "document/ClipboardText.h"
#include "document/ClipboardXmlWriter.h"
#include "document/MergedBlockCheck.h"
#include "grid/structure/MergeBlocks.h"
#include "report/Report.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kCols = 6;
constexpr int kRows = 6;
constexpr qsizetype kMaxPictureBytes = 1 << 18;

void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

cellvex::ClipboardLimits smallLimits()
{
    cellvex::ClipboardLimits limits;
    limits.maxStoredChars = 1 << 20;
    limits.maxXmlBytes = 1 << 20;
    limits.maxPictureBytes = kMaxPictureBytes;
    limits.maxBlockCells = 4096;
    return limits;
}

void checkMerges(const cellvex::Report &report)
{
    try {
        cellvex::checkMergedBlocks(report.cells());
    } catch (const cellvex::ReportError &e) {
        std::fprintf(stderr, "merges broken: %s\n", e.what());
        std::abort();
    }
}

void importCellXml(const QString &text)
{
    cellvex::Report report;
    report.newReport(kCols, kRows);
    report.setCellAlias(1, 1, QStringLiteral("A"));
    report.setCellAlias(2, 3, QStringLiteral("A"));
    cellvex::CellXmlContent content;
    try {
        content = cellvex::readCellXml(text, kMaxPictureBytes);
    } catch (const cellvex::ReportError &) {
        return;
    }
    cellvex::applyCellXml(report, content); // no handler replaces the report: must not throw
    check(report.scriptsEnabled(), "scripts left off after the import");
    checkMerges(report);
    for (const int type : {0, 1}) {
        QString again;
        try {
            again = cellvex::exportCellXml(report, type, QStringLiteral("UTF-8"));
        } catch (const cellvex::ReportError &) {
            // A caption XML cannot carry (a control character read from a
            // reference) is refused with a message; that is a clean failure.
            continue;
        }
        try {
            cellvex::readCellXml(again, 1 << 26);
        } catch (const cellvex::ReportError &e) {
            std::fprintf(stderr, "export does not read back: %s\n", e.what());
            std::abort();
        }
    }
}

void pasteClipboard(const QString &text, cellvex::ClipboardShape shape)
{
    cellvex::Report report;
    report.newReport(kCols, kRows);
    cellvex::mergeRange(report, 3, 3, 4, 4);
    cellvex::ClipboardBlock block;
    try {
        block = cellvex::readClipboardText(text, shape, report.fonts(), smallLimits());
    } catch (const cellvex::ReportError &) {
        return;
    }
    check(block.cols >= 0 && block.rows >= 0, "negative block size");
    check(std::int64_t(block.cols) * block.rows <= smallLimits().maxBlockCells, "block over the limit");
    const QRect area = cellvex::pasteArea(report, 1, 1, block, false);
    check(area.isEmpty() || QRect(0, 0, kCols, kRows).contains(area), "paste area outside the grid");
    if (area.isEmpty())
        return;
    if (shape == cellvex::ClipboardShape::Full) {
        cellvex::pasteCells(report, block, area);
    } else {
        cellvex::dissolveCutBlocks(report, area);
        cellvex::pasteContents(report, block, area);
    }
    checkMerges(report);

    QString copied;
    try {
        copied = cellvex::clipboardTextOf(cellvex::clipboardXml(report, area, shape), shape);
    } catch (const cellvex::ReportError &) {
        return; // a text XML cannot carry: refused with a message
    }
    cellvex::Report other;
    other.newReport(kCols, kRows);
    try {
        cellvex::readClipboardText(copied, shape, other.fonts());
    } catch (const cellvex::ReportError &e) {
        std::fprintf(stderr, "copy does not read back: %s\n", e.what());
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray rest(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const QString text = QString::fromUtf8(rest);
    switch (data[0] % 5) {
    case 0:
        importCellXml(text);
        break;
    case 1:
        pasteClipboard(cellvex::clipboardTextOf(text, cellvex::ClipboardShape::Full),
                       cellvex::ClipboardShape::Full);
        break;
    case 2:
        pasteClipboard(cellvex::clipboardTextOf(text, cellvex::ClipboardShape::Content),
                       cellvex::ClipboardShape::Content);
        break;
    case 3:
        pasteClipboard(cellvex::clipboardPrefix(cellvex::ClipboardShape::Full) + text,
                       cellvex::ClipboardShape::Full);
        break;
    default:
        pasteClipboard(cellvex::clipboardPrefix(cellvex::ClipboardShape::Content) + text,
                       cellvex::ClipboardShape::Content);
        break;
    }
    return 0;
}
