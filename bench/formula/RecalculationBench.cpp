// Recalculating whole reports as hosts do it: every formula computed once in
// column order, each reading other cells' captions.

#include "formula/Expressions.h"
#include "report/Report.h"

#include <benchmark/benchmark.h>

namespace {

using cellvex::Report;

// `count` formulas getcell(col-1,row)+1 in columns 2..101 of count/100 rows;
// column 1 holds the start of each row's chain.
void chainedReferences(benchmark::State &state)
{
    const int formulas = int(state.range(0));
    const int rows = formulas / 100;
    Report report;
    report.newReport(101, rows);
    const QString formula = QStringLiteral("getcell(col-1,row)+1");
    for (int c = 1; c <= 100; ++c)
        for (int r = 0; r < rows; ++r)
            report.cell(c, r)->setExpressionText(formula);
    int start = 0;
    for (auto _ : state) {
        // A new start value, so that every formula really changes its cell.
        state.PauseTiming();
        const QString first = QString::number(++start);
        for (int r = 0; r < rows; ++r)
            report.cell(0, r)->storeCaption(first);
        state.ResumeTiming();
        cellvex::explainAllExpression(report, 0, nullptr);
    }
    if (report.cell(100, rows - 1)->caption() != QString::number(start + 100))
        state.SkipWithError("wrong result");
    state.SetItemsProcessed(state.iterations() * formulas);
    state.SetComplexityN(formulas);
}
BENCHMARK(chainedReferences)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// 4000 rows x 150 columns; columns 2..150 sum everything to their left in
// their row: about 600 k formulas and 45 M cell reads.
void rowSums(benchmark::State &state)
{
    constexpr int kCols = 150;
    constexpr int kRows = 4000;
    Report report;
    report.newReport(kCols, kRows);
    const QString formula = QStringLiteral("sum(1,row,col-1,row)");
    for (int c = 1; c < kCols; ++c)
        for (int r = 0; r < kRows; ++r)
            report.cell(c, r)->setExpressionText(formula);
    // Zeros keep every sum a plain number: a result in exponent form ("1E20")
    // is no operand for the evaluator, so doubling values would soon fail.
    for (int r = 0; r < kRows; ++r)
        report.cell(0, r)->storeCaption(QStringLiteral("0"));
    for (auto _ : state)
        cellvex::explainAllExpression(report, 0, nullptr);
    if (report.cell(kCols - 1, kRows - 1)->caption() != QStringLiteral("0"))
        state.SkipWithError(("wrong result " + report.cell(kCols - 1, 0)->caption()).toStdString().c_str());
    state.SetItemsProcessed(state.iterations() * (kCols - 1) * kRows);
}
BENCHMARK(rowSums)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
