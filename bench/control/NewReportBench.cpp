// Building a report of 1 k to 10 M default cells: time per build and the
// resident memory each cell costs.
#include "report/Report.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <unistd.h>

namespace {

long residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

void BM_NewReport(benchmark::State &state)
{
    const int cols = 100;
    const int rows = int(state.range(0) / cols);
    cellvex::Report report;
    report.newReport(0, 0);
    double bytesPerCell = 0;
    for (auto _ : state) {
        state.PauseTiming();
        report.newReport(0, 0);
        const long before = residentBytes();
        state.ResumeTiming();
        report.newReport(cols, rows);
        state.PauseTiming();
        bytesPerCell = double(residentBytes() - before) / (double(cols) * rows);
        state.ResumeTiming();
    }
    state.counters["cells"] = double(cols) * rows;
    state.counters["bytes_per_cell"] = bytesPerCell;
}

} // namespace

BENCHMARK(BM_NewReport)->Arg(1000)->Arg(100000)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);
