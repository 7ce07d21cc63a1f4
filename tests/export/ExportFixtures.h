#pragma once

#include "report/Report.h"

#include <QString>

namespace cellvex::test {

// Merges the block the way the structure operations leave it: the top-left
// cell is the master, every other cell is covered, all hold the bounds.
inline void mergeBlock(Report &report, int left, int top, int right, int bottom)
{
    const BlockBounds bounds{left, top, right, bottom};
    for (int c = left; c <= right; ++c)
        for (int r = top; r <= bottom; ++r)
            report.cell(c, r)->setMerge(c == left && r == top ? MergeSign::Master : MergeSign::Covered,
                                        bounds);
}

} // namespace cellvex::test
