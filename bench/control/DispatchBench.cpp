// The cost of reaching a member: through its vtable slot, through Invoke by
// dispatch id, and resolving a name to its dispatch id.
#include "automation/MemberLookup.h"
#include "control/CellvexObject.h"

#include <benchmark/benchmark.h>

using namespace cellvex;
using namespace cellvex::automation;

namespace {

void BM_VtableGetColWidth(benchmark::State &state)
{
    auto *obj = new CellvexObject();
    ICellvex *c = obj;
    std::int32_t width = 0;
    for (auto _ : state) {
        c->GetColWidth(3, &width);
        benchmark::DoNotOptimize(width);
    }
    obj->Release();
}

void BM_InvokeGetColWidth(benchmark::State &state)
{
    auto *obj = new CellvexObject();
    ICellvex *c = obj;
    DispId id = 0;
    const QString name = QStringLiteral("GetColWidth");
    c->GetIDsOfNames(&name, 1, 0x409, &id);
    std::vector<Variant> args;
    Variant result;
    std::uint32_t argError = 0;
    for (auto _ : state) {
        args.assign(1, Variant::fromLong(3));
        c->Invoke(id, 0x409, DISPATCH_METHOD, args, &result, &argError);
        benchmark::DoNotOptimize(result);
    }
    obj->Release();
}

void BM_NameLookup(benchmark::State &state)
{
    const QString names[] = {QStringLiteral("GetColWidth"), QStringLiteral("pagebottommargin"),
                             QStringLiteral("ClearChartSereisByAlias"), QStringLiteral("SETCELLVALUE")};
    DispId id = 0;
    size_t i = 0;
    for (auto _ : state) {
        MemberLookup::instance().dispIdOfName(names[i++ % 4], id);
        benchmark::DoNotOptimize(id);
    }
}

} // namespace

BENCHMARK(BM_VtableGetColWidth);
BENCHMARK(BM_InvokeGetColWidth);
BENCHMARK(BM_NameLookup);
