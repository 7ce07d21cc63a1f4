// Lookups by alias on reports of 100 x 100 and 1000 x 1000 cells, side by
// side: the time per call must not grow with the report. Each report names
// a hundred cells spread over it; the calls alternate between them.
#include "control/CellvexObject.h"

#include <benchmark/benchmark.h>

#include <vector>

using namespace cellvex;
using namespace cellvex::automation;

namespace {

struct NamedReport
{
    CellvexObject *object = new CellvexObject();
    std::vector<QString> names;

    explicit NamedReport(int side)
    {
        object->NewReport(side, side);
        for (int i = 0; i < 100; ++i) {
            const int col = 1 + (i * 37) % side, row = 1 + (i * 61) % side;
            names.push_back(QStringLiteral("N%1").arg(i));
            object->SetCellAlias(col, row, names.back());
        }
    }
    ~NamedReport() { object->Release(); }
};

void BM_SetCellValueByAlias(benchmark::State &state)
{
    NamedReport report(int(state.range(0)));
    const QString value = QStringLiteral("12.5");
    std::size_t i = 0;
    for (auto _ : state)
        report.object->SetCellValueByAlias(report.names[i++ % report.names.size()], value);
}

void BM_GetCellReferenceByAlias(benchmark::State &state)
{
    NamedReport report(int(state.range(0)));
    std::size_t i = 0;
    std::int32_t col = 0, row = 0;
    for (auto _ : state) {
        report.object->GetCellReferenceByAlias(report.names[i++ % report.names.size()], &col, &row);
        benchmark::DoNotOptimize(col);
    }
}

} // namespace

BENCHMARK(BM_SetCellValueByAlias)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GetCellReferenceByAlias)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
