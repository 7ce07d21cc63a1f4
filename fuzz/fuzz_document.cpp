// Feeds arbitrary bytes to the stored-report reader. The first byte chooses
// what the rest is: odd, a document text (packed here, so that the fuzzer
// works on the XML and the values inside it); even, a stored form as a file
// would hold it. Checks the promises opening relies on: a failure is a
// ReportError and nothing else; what opens is consistent (the matrix and
// the rulers agree); whatever opens can be saved, and saving it, opening
// that and saving again gives the same stored form; and the fast parser
// either declines or reads the very report the general parser reads.

#include "document/PackText.h"
#include "document/ReportDocument.h"
#include "document/ReportDocumentReader.h"
#include "document/ReportDocumentWriter.h"
#include "report/Report.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

constexpr int kPpi = 96;

cellvex::DocumentLimits smallLimits()
{
    cellvex::DocumentLimits limits;
    limits.maxStoredBytes = 1 << 20;
    limits.maxTextBytes = 1 << 20;
    limits.maxElementBytes = 1 << 19;
    limits.maxPictureBytes = 1 << 18;
    limits.maxCells = 4096;
    return limits;
}

// Saves the report; the stored form must open again.
QByteArray saveAndCheck(const cellvex::Report &report, const cellvex::PageSettings &page)
{
    QByteArray stored;
    try {
        stored = cellvex::storedReport(report, page);
    } catch (const cellvex::ReportError &e) {
        // What opened must be savable.
        std::fprintf(stderr, "save failed: %s\n", e.what());
        std::abort();
    }
    return stored;
}

// The fast parser's report, when it reads one, is the general parser's.
void checkPlainReading(const QByteArray &stored)
{
    std::optional<cellvex::LoadedReport> plain = cellvex::readPlainReportDocument(stored, kPpi, smallLimits());
    if (!plain)
        return;
    cellvex::Report general;
    cellvex::PageSettings generalPage(kPpi);
    try {
        cellvex::applyLoadedReport(general, generalPage,
                                   cellvex::readGeneralReportDocument(stored, kPpi, smallLimits()));
    } catch (const cellvex::ReportError &e) {
        std::fprintf(stderr, "the fast parser read what the general one refuses: %s\n", e.what());
        std::abort();
    }
    cellvex::Report fast;
    cellvex::PageSettings fastPage(kPpi);
    cellvex::applyLoadedReport(fast, fastPage, std::move(*plain));
    check(saveAndCheck(fast, fastPage) == saveAndCheck(general, generalPage));
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
    const QByteArray stored = (data[0] & 1) ? cellvex::storedFormOf(cellvex::packText(rest)) : rest;
    checkPlainReading(stored);

    cellvex::Report report;
    cellvex::PageSettings page(kPpi);
    try {
        cellvex::LoadedReport loaded = cellvex::readReportDocument(stored, kPpi, smallLimits());
        check(loaded.cells.colCount() == int(loaded.colRanges.size()));
        check(loaded.cells.rowCount() == int(loaded.rowRanges.size()));
        cellvex::applyLoadedReport(report, page, std::move(loaded));
    } catch (const cellvex::ReportError &) {
        return 0;
    }
    check(report.saved());
    check(report.cells().colCount() == report.colCount());
    check(report.cells().rowCount() == report.rowCount());

    const QByteArray first = saveAndCheck(report, page);
    cellvex::Report again;
    cellvex::PageSettings againPage(kPpi);
    try {
        // Re-encoded pictures may be larger than the packed ones they came
        // from: the second open uses the ordinary limits.
        cellvex::applyLoadedReport(again, againPage, cellvex::readReportDocument(first, kPpi));
    } catch (const cellvex::ReportError &e) {
        std::fprintf(stderr, "reopen failed: %s\n", e.what());
        std::abort();
    }
    check(saveAndCheck(again, againPage) == first);
    return 0;
}
