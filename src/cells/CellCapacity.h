#pragma once

#include <QString>

#include <cstdint>

namespace cellvex {

// The most cells one report may hold, whatever the memory: a billion keeps
// every cell count and index inside 32 bits. Reports that large need about
// 80 GB; below it, the memory the system has available is what decides.
// The fuzzer's build sets a small limit, to stay inside its memory bound.
#ifndef CELLVEX_MAX_REPORT_CELLS
#define CELLVEX_MAX_REPORT_CELLS 1'000'000'000
#endif
constexpr std::int64_t kMaxReportCells = CELLVEX_MAX_REPORT_CELLS;

// The most extra strings ("append range") one cell holds: each costs memory
// even when empty, so a count from outside is bounded before anything is
// allocated.
constexpr int kMaxAppendRange = 65536;

// What one more cell costs in memory, near enough to judge a request.
std::int64_t bytesPerCell();

// Why a report of cols x rows cells cannot be held when `addedCells` of them
// are new and `availableBytes` of memory are free (-1: unknown, then only the
// count is judged); an empty text when it can. Sizes are taken in 64 bit, so
// no product wraps.
QString cellCapacityProblem(std::int64_t cols, std::int64_t rows, std::int64_t addedCells,
                            std::int64_t availableBytes);

// Throws ReportError with that text, judging against the memory available
// now. Every path that creates cells (new, append, insert, open, import,
// paste) asks before it allocates or changes anything.
void requireCellCapacity(std::int64_t cols, std::int64_t rows, std::int64_t addedCells);

} // namespace cellvex
