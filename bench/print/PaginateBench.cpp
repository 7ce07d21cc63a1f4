// Pagination runs after every structural change and page-setting put, so a
// large report must not make editing sluggish: 1 M cells, laid out square and
// as a long list, on the default A4 page.
#include "print/Pagination.h"
#include "report/PageSettings.h"
#include "report/Report.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Paginate(benchmark::State &state)
{
    const int cols = int(state.range(0));
    const int rows = int(state.range(1));
    cellvex::Report report;
    report.newReport(cols, rows);
    report.setHeaderCount(2);
    report.setFooterCount(1);
    const cellvex::PageSettings settings(96);
    cellvex::Pagination pagination;
    for (auto _ : state) {
        pagination.paginate(report, settings);
        benchmark::DoNotOptimize(pagination.pageCount());
    }
    state.counters["pages"] = double(pagination.pageCount());
}

} // namespace

BENCHMARK(BM_Paginate)->Args({1000, 1000})->Args({10, 100000})->Unit(benchmark::kMillisecond);
