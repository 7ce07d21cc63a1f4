// Inserting and deleting one column or row of a 1000 x 1000 report (a
// million cells, some of them merged): each must stay a bulk move.
#include "grid/structure/PoleEdits.h"
#include "report/Report.h"

#include <benchmark/benchmark.h>

using namespace cellvex;

namespace {

Report &millionCells()
{
    static Report report;
    static bool built = false;
    if (!built) {
        report.newReport(1000, 1000);
        // A merged block every 50 lines in both directions.
        for (int c = 0; c + 1 < 1000; c += 50)
            for (int r = 0; r + 1 < 1000; r += 50) {
                const BlockBounds b{c, r, c + 1, r + 1};
                for (int bc = c; bc <= c + 1; ++bc)
                    for (int br = r; br <= r + 1; ++br)
                        report.cell(bc, br)->setMerge(
                            bc == c && br == r ? MergeSign::Master : MergeSign::Covered, b);
            }
        built = true;
    }
    return report;
}

void insertThenDelete(benchmark::State &state, Orientation axis)
{
    Report &report = millionCells();
    const int at = int(state.range(0));
    for (auto _ : state) {
        insertPoles(report, axis, at, 1);
        deletePoles(report, axis, at, at);
    }
    state.SetLabel("one insert and one delete");
}

void BM_InsertDeleteColumn(benchmark::State &state)
{
    insertThenDelete(state, Orientation::Horizontal);
}
void BM_InsertDeleteRow(benchmark::State &state)
{
    insertThenDelete(state, Orientation::Vertical);
}

} // namespace

BENCHMARK(BM_InsertDeleteColumn)->Arg(0)->Arg(500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsertDeleteRow)->Arg(0)->Arg(500)->Unit(benchmark::kMillisecond);
