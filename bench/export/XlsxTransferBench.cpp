// TransExcel and TransFormExcel on a 100 k-cell sheet (10 columns of text
// and numbers, three styled columns), each beside openpyxl doing the same
// in the same run: `vs_openpyxl` is our time over openpyxl's (run once per
// benchmark through /usr/bin/python3, its own timing without start-up).
#include "document/ReportDocument.h"
#include "export/ExportRange.h"
#include "export/xlsx/ReportFromSheet.h"
#include "export/xlsx/SheetFromReport.h"
#include "export/xlsx/XlsxFileReader.h"
#include "export/xlsx/XlsxFileWriter.h"
#include "report/Report.h"

#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr int kCols = 10;
constexpr int kRows = 10'000;
const QString kScript = QStringLiteral(CELLVEX_BENCH_DATA "/openpyxl_timing.py");

// openpyxl's seconds for `args`, or a negative number when it cannot run.
double openpyxlSeconds(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"), QStringList{kScript} + args);
    if (!p.waitForFinished(600000) || p.exitCode() != 0)
        return -1;
    bool ok = false;
    const double s = p.readAllStandardOutput().trimmed().toDouble(&ok);
    return ok ? s : -1;
}

void fillReport(cellvex::Report &report)
{
    report.newReport(kCols, kRows);
    for (int r = 0; r < kRows; ++r) {
        const int n = r + 1;
        const QString values[kCols] = {QStringLiteral("text %1").arg(n), QString::number(n),
                                       QString::number(n * 0.5),         QStringLiteral("row"),
                                       QString::number(n % 7),           QStringLiteral("x%1").arg(n % 13),
                                       QString::number(n * 3),           QStringLiteral("end"),
                                       QString::number(n + 0.25),        QStringLiteral("z")};
        for (int c = 0; c < kCols; ++c)
            report.cells().at(c, r).storeCaption(values[c]);
        report.setFontStyle(0, r, 0, true);
        report.setFontStyle(3, r, 1, true);
        report.setFontColor(3, r, 0x0000FF);
        report.setBackColor(7, r, 0x00FFFF);
    }
}

void setRatio(benchmark::State &state, double ours, double theirs)
{
    state.counters["openpyxl_ms"] = theirs * 1000;
    state.counters["vs_openpyxl"] = theirs > 0 ? ours / theirs : -1;
}

void exportWorkbook(benchmark::State &state)
{
    QTemporaryDir dir;
    cellvex::Report report;
    fillReport(report);
    const cellvex::ExportRange range{0, 0, kCols - 1, kRows - 1};
    const QString file = dir.filePath(QStringLiteral("ours.xlsx"));
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        cellvex::xlsx::writeWorkbook(cellvex::xlsx::sheetFromReport(report, range, true), file);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    if (cellvex::xlsx::readWorkbook(file).used != cellvex::xlsx::SheetRange{1, 1, kRows, kCols})
        state.SkipWithError("wrong workbook");
    setRatio(state, seconds / double(state.iterations()),
             openpyxlSeconds({QStringLiteral("write"), dir.filePath(QStringLiteral("theirs.xlsx")),
                              QString::number(kRows)}));
    state.SetItemsProcessed(state.iterations() * kCols * kRows);
}
BENCHMARK(exportWorkbook)->Unit(benchmark::kMillisecond)->Iterations(3);

void importWorkbook(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("theirs.xlsx"));
    if (openpyxlSeconds({QStringLiteral("write"), file, QString::number(kRows)}) < 0) {
        state.SkipWithError("openpyxl (python3-openpyxl) is not installed");
        return;
    }
    const cellvex::xlsx::ImportRange range{1, kCols, 1, kRows};
    cellvex::Report report;
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const cellvex::xlsx::WorkbookContents book =
            cellvex::xlsx::readWorkbook(file, {}, range.readWindow());
        cellvex::xlsx::checkImportRange(range, book.used);
        cellvex::applyLoadedReport(report, report.pageSettings(),
                                   cellvex::xlsx::reportFromSheet(book.sheet, range, true, 96));
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    if (report.cell(0, kRows - 1)->caption() != QStringLiteral("text %1").arg(kRows))
        state.SkipWithError("wrong import");
    setRatio(state, seconds / double(state.iterations()), openpyxlSeconds({QStringLiteral("read"), file}));
    state.SetItemsProcessed(state.iterations() * kCols * kRows);
}
BENCHMARK(importWorkbook)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
