#pragma once

#include <functional>

namespace cellvex {

class Report;

// MergeCell and SplitCell on the 0-based model, inclusive rectangle.
//
// A rectangle outside the grid (or inverted), or one that cuts through a
// merged block, is refused: nothing changes and the result is false.
// Otherwise `beforeChange` runs, the blocks inside are dissolved (and for a
// merge the rectangle becomes one block), the rectangle becomes the
// selection with its top-left cell the input cell, whole-line modes end and
// the report is marked unsaved.
bool mergeCells(Report &report, int col1, int row1, int col2, int row2,
                const std::function<void()> &beforeChange = {});
bool splitCells(Report &report, int col1, int row1, int col2, int row2,
                const std::function<void()> &beforeChange = {});

} // namespace cellvex
