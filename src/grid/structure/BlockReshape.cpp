#include "BlockReshape.h"

#include <algorithm>
#include <cstdint>
#include <set>
#include <utility>
#include <vector>

namespace cellvex {

namespace {

// A block is known by its master's position.
using BlockKey = std::pair<int, int>; // (lo, crossLo)

BlockKey keyOf(PoleAxis axis, const BlockBounds &b)
{
    return {axis.lo(b), axis.crossLo(b)};
}

// The cell's block when its bounds hold the cell itself and lie in the
// first `lines` lines of the grid, so that moving them cannot overflow.
bool soundBlock(const Report &report, PoleAxis axis, const Cell &c, int line, int cross, int lines,
                BlockBounds &out)
{
    if (c.sign() == MergeSign::None)
        return false;
    out = c.block();
    return 0 <= axis.lo(out) && axis.lo(out) <= line && line <= axis.hi(out) && axis.hi(out) < lines &&
           0 <= axis.crossLo(out) && axis.crossLo(out) <= cross && cross <= axis.crossHi(out) &&
           axis.crossHi(out) < axis.crossCount(report);
}

bool belongsTo(PoleAxis axis, const Cell &c, const BlockKey &key)
{
    return c.sign() != MergeSign::None && keyOf(axis, c.block()) == key;
}

// Calls f(cell, line, cross) for the cells of the block (lines lo..hi as
// given, clamped to the grid) that belong to it.
template <typename F>
void forBlockCells(Report &report, PoleAxis axis, const BlockBounds &b, int lo, int hi, F &&f)
{
    const BlockKey key = keyOf(axis, b);
    const int lastLine = axis.poleCount(report) - 1, lastCross = axis.crossCount(report) - 1;
    for (int line = std::max(lo, 0); line <= std::min(hi, lastLine); ++line)
        for (int k = std::max(axis.crossLo(b), 0); k <= std::min(axis.crossHi(b), lastCross); ++k)
            if (Cell *c = axis.cell(report, line, k); c && belongsTo(axis, *c, key))
                f(*c, line, k);
}

// Moves the blocks that begin at or after line `from` (old numbering) by
// `delta`, looking at the cells of lines lineLo..lineHi, where all their
// cells now stand. Bounds beyond the `oldLines` lines of the grid before
// the edit are damaged and stay as they are.
void moveBlocks(Report &report, PoleAxis axis, int lineLo, int lineHi, int from, int delta, int oldLines)
{
    const int crossCount = axis.crossCount(report);
    for (int line = lineLo; line <= lineHi; ++line)
        for (int k = 0; k < crossCount; ++k) {
            Cell *c = axis.cell(report, line, k);
            if (!c || c->sign() == MergeSign::None)
                continue;
            BlockBounds b = c->block();
            if (axis.lo(b) < from || axis.hi(b) < axis.lo(b) || axis.hi(b) >= oldLines)
                continue;
            axis.setSpan(b, axis.lo(b) + delta, axis.hi(b) + delta);
            c->setMerge(c->sign(), b);
        }
}

} // namespace

void reshapeBlocksAfterInsert(Report &report, PoleAxis axis, int at, int count)
{
    const int lines = axis.poleCount(report), crossCount = axis.crossCount(report);
    const int after = at + count; // where the old line `at` now stands

    // Blocks spanning the point, found before anything moves their bounds: a
    // cell left of the new lines and the covered cell right of them share it.
    std::vector<BlockBounds> spanning;
    std::set<BlockKey> seen;
    if (at > 0 && after < lines) {
        for (int k = 0; k < crossCount; ++k) {
            const Cell *before = axis.cell(report, at - 1, k);
            const Cell *behind = axis.cell(report, after, k);
            BlockBounds b;
            if (!soundBlock(report, axis, *before, at - 1, k, lines - count, b) ||
                behind->sign() != MergeSign::Covered || keyOf(axis, behind->block()) != keyOf(axis, b) ||
                axis.hi(b) < at)
                continue;
            if (seen.insert(keyOf(axis, b)).second)
                spanning.push_back(b);
        }
    }

    moveBlocks(report, axis, after, lines - 1, at, count, lines - count);

    for (const BlockBounds &old : spanning) {
        BlockBounds wide = old;
        axis.setSpan(wide, axis.lo(old), axis.hi(old) + count);
        // The old cells stand in lines lo..at-1 and after..hi+count.
        forBlockCells(report, axis, old, axis.lo(old), axis.hi(old) + count,
                      [&](Cell &c, int, int) { c.setMerge(c.sign(), wide); });
        for (int line = at; line < after; ++line)
            for (int k = std::max(axis.crossLo(old), 0); k <= std::min(axis.crossHi(old), crossCount - 1);
                 ++k)
                axis.cell(report, line, k)->setMerge(MergeSign::Covered, wide);
    }
}

void reshapeBlocksBeforeDelete(Report &report, PoleAxis axis, int first, int last)
{
    const int lines = axis.poleCount(report), crossCount = axis.crossCount(report);
    const int n = last - first + 1;

    // The blocks that reach into the deleted lines, each once.
    std::vector<BlockBounds> cut;
    std::set<BlockKey> seen;
    for (int line = first; line <= last; ++line)
        for (int k = 0; k < crossCount; ++k) {
            BlockBounds b;
            if (soundBlock(report, axis, *axis.cell(report, line, k), line, k, lines, b) &&
                seen.insert(keyOf(axis, b)).second)
                cut.push_back(b);
        }

    // Blocks wholly after the deletion: only their numbers change. None of
    // them is among the cut ones, which begin at or before `last`.
    moveBlocks(report, axis, last + 1, lines - 1, last + 1, -n, lines);

    for (const BlockBounds &b : cut) {
        const int lo = axis.lo(b), hi = axis.hi(b);
        if (lo < first) {
            // The master stays; the block loses its lines inside the deletion.
            const int newHi = hi - (std::min(hi, last) - first + 1);
            if (newHi == lo && axis.crossLo(b) == axis.crossHi(b)) {
                if (Cell *master = axis.cell(report, lo, axis.crossLo(b)))
                    master->setMerge(MergeSign::None, {});
                continue;
            }
            BlockBounds shrunk = b;
            axis.setSpan(shrunk, lo, newHi);
            auto store = [&](Cell &c, int, int) { c.setMerge(c.sign(), shrunk); };
            forBlockCells(report, axis, b, lo, first - 1, store);
            forBlockCells(report, axis, b, last + 1, hi, store);
            continue;
        }
        // The master goes. The rest after the deleted lines, if any, is a
        // block of its own in its new place (first .. hi - n).
        if (hi <= last)
            continue;
        const std::int64_t cells =
            std::int64_t(hi - last) * (std::int64_t(axis.crossHi(b)) - axis.crossLo(b) + 1);
        BlockBounds rest = b;
        axis.setSpan(rest, first, hi - n);
        const int masterLine = last + 1, masterCross = axis.crossLo(b);
        forBlockCells(report, axis, b, last + 1, hi, [&](Cell &c, int line, int k) {
            if (cells < 2)
                c.setMerge(MergeSign::None, {});
            else
                c.setMerge(line == masterLine && k == masterCross ? MergeSign::Master : MergeSign::Covered,
                           rest);
        });
    }
}

} // namespace cellvex
