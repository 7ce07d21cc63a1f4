// SaveString and OpenString of filled reports, each timed side by side with
// the bare codec on the very same bytes: zlib at the default level plus
// Base64. The ratio member ÷ codec is the figure that counts; the absolute
// times vary with the machine. Both are timed on the thread's CPU clock, so
// that other work on a shared machine does not enter the figures. The members' document work is timed: the
// stored form made from the report, and the report read from it and put in
// place (the control's repaint and pagination after an open are not).
//
// Sizes: 300 × 300 (90 k cells, 30 k filled), 100 × 1000 (100 k cells) and
// 1000 × 1000 (1 M cells), a third of the cells filled in each.
#include "CodecBaseline.h"
#include "FilledReport.h"

#include "document/PackText.h"
#include "document/ReportDocument.h"
#include "report/Report.h"

#include <benchmark/benchmark.h>

#include <memory>

#include <time.h>

using namespace cellvex;

namespace {

double cpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

double secondsSince(double start)
{
    return cpuSeconds() - start;
}

// The filled report, its stored form and the document text inside it. Only
// the size in use is kept: a 1 M-cell report and its text take hundreds of
// megabytes.
struct Fixture
{
    int cols = 0;
    int rows = 0;
    Report report;
    QString stored;
    QByteArray storedBytes;
    QByteArray text; // the GBK document text the stored form packs

    Fixture(int c, int r) : cols(c), rows(r)
    {
        bench::fillReport(report, cols, rows);
        stored = saveReportString(report, report.pageSettings());
        storedBytes = stored.toLatin1();
        text = unpackText(packedFromStoredForm(storedBytes), qsizetype(1) << 40);
    }
};

Fixture &fixture(int cols, int rows)
{
    static std::unique_ptr<Fixture> current;
    if (!current || current->cols != cols || current->rows != rows) {
        current.reset();
        current = std::make_unique<Fixture>(cols, rows);
    }
    return *current;
}

void report(benchmark::State &state, const Fixture &f, double memberSeconds, double codecSeconds)
{
    const double n = double(state.iterations());
    state.counters["cells"] = double(f.cols) * f.rows;
    state.counters["xml_MB"] = double(f.text.size()) / 1e6;
    state.counters["stored_MB"] = double(f.storedBytes.size()) / 1e6;
    state.counters["codec_ms"] = codecSeconds / n * 1e3;
    state.counters["ratio"] = memberSeconds / codecSeconds;
}

void BM_SaveString(benchmark::State &state)
{
    Fixture &f = fixture(int(state.range(0)), int(state.range(1)));
    double member = 0, codec = 0;
    for (auto _ : state) {
        double start = cpuSeconds();
        const QString stored = saveReportString(f.report, f.report.pageSettings());
        const double t = secondsSince(start);
        if (stored.size() != f.stored.size()) {
            state.SkipWithError("SaveString failed");
            break;
        }
        state.SetIterationTime(t);
        member += t;
        start = cpuSeconds();
        const QByteArray packed = bench::deflateAndBase64(f.text);
        codec += secondsSince(start);
        benchmark::DoNotOptimize(packed.constData());
    }
    report(state, f, member, codec);
}

void BM_OpenString(benchmark::State &state)
{
    Fixture &f = fixture(int(state.range(0)), int(state.range(1)));
    double member = 0, codec = 0;
    for (auto _ : state) {
        double start = cpuSeconds();
        LoadedReport loaded = readReportString(f.stored, f.report.pageSettings().pixelsPerInch());
        applyLoadedReport(f.report, f.report.pageSettings(), std::move(loaded));
        const double t = secondsSince(start);
        if (f.report.colCount() != f.cols || f.report.rowCount() != f.rows) {
            state.SkipWithError("OpenString failed");
            break;
        }
        state.SetIterationTime(t);
        member += t;
        start = cpuSeconds();
        const QByteArray text = bench::base64AndInflate(f.storedBytes, f.text.size());
        codec += secondsSince(start);
        benchmark::DoNotOptimize(text.constData());
    }
    report(state, f, member, codec);
}

void configure(benchmark::internal::Benchmark *b, int cols, int rows)
{
    b->ArgNames({"cols", "rows"})->Args({cols, rows});
    b->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
}

} // namespace

// Save and open of one size next to each other, so each fixture is built once.
BENCHMARK(BM_SaveString)->Apply([](benchmark::internal::Benchmark *b) { configure(b, 300, 300); });
BENCHMARK(BM_OpenString)->Apply([](benchmark::internal::Benchmark *b) { configure(b, 300, 300); });
BENCHMARK(BM_SaveString)->Apply([](benchmark::internal::Benchmark *b) { configure(b, 100, 1000); });
BENCHMARK(BM_OpenString)->Apply([](benchmark::internal::Benchmark *b) { configure(b, 100, 1000); });
BENCHMARK(BM_SaveString)->Apply([](benchmark::internal::Benchmark *b) { configure(b, 1000, 1000); });
BENCHMARK(BM_OpenString)->Apply([](benchmark::internal::Benchmark *b) { configure(b, 1000, 1000); });
