#pragma once

#include "cells/CellExtension.h"

namespace cellvex {

class Report;

// Merged blocks on the 0-based model. Rectangles are inclusive, column
// first, and clamped to the grid. A block's geometry is not stored: the
// master spans its block through Report::cellRect, and covered cells are not
// drawn, so these functions only set the merge fields (Sign and bounds).

// MergeRange: the rectangle becomes one block mastered by its top-left
// cell; every other cell is covered and keeps its content unseen. A single
// cell stays as it is. The caller dissolves blocks inside it first.
void mergeRange(Report &report, int col1, int row1, int col2, int row2);

// DissolveBlocks: every block whose master lies in the rectangle gives its
// cells back (they show their own content again).
void dissolveBlocks(Report &report, int col1, int row1, int col2, int row2);

// ResetCells: every cell of the rectangle becomes a fresh default cell
// (font 宋体 9 black, no content, no merge). The caller makes sure the
// rectangle cuts no block.
void resetCells(Report &report, int col1, int row1, int col2, int row2);

// GetMergeRange on the model: the cell's Sign (0 plain, 1 master, 2
// covered) and its block's bounds; -1 outside the grid.
struct MergeState
{
    int type = -1;
    BlockBounds bounds;
};
MergeState mergeStateOf(const Report &report, int col, int row);

} // namespace cellvex
