// Growing the matrix of a big report (AppendRow, AppendCol, InsertRow in the
// middle) and building big new reports, through the control's interface as a
// host calls it: the time of each call, and the memory it takes on the way.
//
// Memory: writing "5" to /proc/self/clear_refs sets the process's high-water
// mark (VmHWM) back to its resident size, so every case measures its own
// peak in the one process. peak_MB is the high-water mark after the call less
// the resident size before it; final_MB is the resident size after the call
// less that before it, which is what the grown report holds; peak_per_final
// relates the two. Every case builds its report anew and runs once: the big
// ones take gigabytes, run them alone (--benchmark_filter).
#include "control/CellvexObject.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

using namespace cellvex;
using namespace cellvex::automation;

namespace {

long statusKilobytes(const char *field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(status, line))
        if (line.compare(0, key.size(), key) == 0)
            return std::stol(line.substr(key.size()));
    return -1;
}

bool resetPeak()
{
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    clear.flush();
    return bool(clear);
}

// Measures one call: its time in the benchmark, its memory in the counters.
class MemoryProbe
{
public:
    explicit MemoryProbe(benchmark::State &state) : m_state(state) {}

    void start()
    {
        if (!resetPeak())
            m_state.SkipWithError("cannot reset the peak resident size (/proc/self/clear_refs)");
        m_before = statusKilobytes("VmRSS");
    }
    void stop(double cells)
    {
        const double peak = double(statusKilobytes("VmHWM") - m_before) / 1024.0;
        const double final = double(statusKilobytes("VmRSS") - m_before) / 1024.0;
        m_state.counters["peak_MB"] = peak;
        m_state.counters["final_MB"] = final;
        m_state.counters["peak_per_final"] = final > 0 ? peak / final : 0;
        m_state.counters["cells"] = cells;
    }

private:
    benchmark::State &m_state;
    long m_before = 0;
};

// One control for every case; each case starts from an empty report, so
// that what an earlier case held is given back before it measures.
ICellvex &control()
{
    static CellvexObject *object = new CellvexObject();
    return *object;
}

void build(ICellvex &c, int cols, int rows)
{
    c.NewReport(0, 0);
    c.NewReport(cols, rows);
}

// AppendRow(n) on a 1000 x 10 report.
void BM_AppendRow(benchmark::State &state)
{
    ICellvex &c = control();
    const int count = int(state.range(0));
    MemoryProbe probe(state);
    for (auto _ : state) {
        state.PauseTiming();
        build(c, 1000, 10);
        probe.start();
        state.ResumeTiming();
        c.AppendRow(count);
        state.PauseTiming();
        probe.stop(1000.0 * (10 + count));
        c.NewReport(0, 0);
        state.ResumeTiming();
    }
}

// AppendCol(n) on a 10 x 1000 report.
void BM_AppendCol(benchmark::State &state)
{
    ICellvex &c = control();
    const int count = int(state.range(0));
    MemoryProbe probe(state);
    for (auto _ : state) {
        state.PauseTiming();
        build(c, 10, 1000);
        probe.start();
        state.ResumeTiming();
        c.AppendCol(count);
        state.PauseTiming();
        probe.stop(1000.0 * (10 + count));
        c.NewReport(0, 0);
        state.ResumeTiming();
    }
}

// InsertRow(middle, 1), n times in a row, on a 1000 x 20000 report (20 M
// cells): the first call may have to find room, the ones after should not.
void BM_InsertRowMiddle(benchmark::State &state)
{
    ICellvex &c = control();
    const int calls = int(state.range(0));
    MemoryProbe probe(state);
    for (auto _ : state) {
        state.PauseTiming();
        build(c, 1000, 20000);
        probe.start();
        state.ResumeTiming();
        for (int i = 0; i < calls; ++i)
            c.InsertRow(10000, 1);
        state.PauseTiming();
        probe.stop(1000.0 * (20000 + calls));
        c.NewReport(0, 0);
        state.ResumeTiming();
    }
    state.counters["calls"] = calls;
}

// NewReport(cols, rows) from an empty report.
void BM_NewReportOf(benchmark::State &state)
{
    ICellvex &c = control();
    const int cols = int(state.range(0));
    const int rows = int(state.range(1));
    MemoryProbe probe(state);
    for (auto _ : state) {
        state.PauseTiming();
        c.NewReport(0, 0);
        probe.start();
        state.ResumeTiming();
        c.NewReport(cols, rows);
        state.PauseTiming();
        probe.stop(double(cols) * rows);
        c.NewReport(0, 0);
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_AppendRow)->Arg(20000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AppendCol)->Arg(20000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsertRowMiddle)->Arg(1)->Arg(10)->Iterations(1)->Unit(benchmark::kMillisecond);
// 10 M cells in two shapes, then 100 M: the time per cell should not grow.
BENCHMARK(BM_NewReportOf)
    ->Args({100, 100000})
    ->Args({1000, 10000})
    ->Args({10000, 10000})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
