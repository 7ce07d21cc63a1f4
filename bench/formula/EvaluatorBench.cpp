// Cost of evaluating formula bodies as recalculation sees them: the cell
// references already replaced by numbers.

#include "formula/Evaluator.h"

#include <benchmark/benchmark.h>

namespace {

void typicalFormula(benchmark::State &state)
{
    const QString text = QStringLiteral("(1250.5+318.25*12)/3 - sqrt(16)*2^3 + fac(5)%7");
    for (auto _ : state) {
        auto result = cellvex::evalExpression(text);
        benchmark::DoNotOptimize(result.value);
    }
}
BENCHMARK(typicalFormula);

void coordinate(benchmark::State &state)
{
    const QString text = QStringLiteral(" 12+1 ");
    for (auto _ : state) {
        auto result = cellvex::evalInteger(text);
        benchmark::DoNotOptimize(result.value);
    }
}
BENCHMARK(coordinate);

void failingFormula(benchmark::State &state)
{
    const QString text = QStringLiteral("(1250.5+318.25*12)/0");
    for (auto _ : state) {
        auto result = cellvex::evalExpression(text);
        benchmark::DoNotOptimize(result.error);
    }
}
BENCHMARK(failingFormula);

} // namespace
