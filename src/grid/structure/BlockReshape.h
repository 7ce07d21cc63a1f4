#pragma once

#include "grid/structure/PoleAxis.h"

namespace cellvex {

// Keeps merged blocks whole while lines (columns or rows) come and go. Every
// cell of a block carries the block's bounds, so each function rewrites the
// bounds in all cells of the blocks it changes. Block bounds come from stored
// documents: a cell whose bounds do not hold the cell itself, and cells
// inside a block's bounds that do not belong to it, are left alone, and no
// bound leads outside the grid.

// After `count` new lines were inserted at line `at` (the matrix already has
// them; the old lines at..end now start at at + count): blocks that began at
// or after the point move with their cells, and a block that spans the point
// (its cells left of and right of the new lines belong to it) widens over the
// new lines, whose cells become covered cells of it.
void reshapeBlocksAfterInsert(Report &report, PoleAxis axis, int at, int count);

// Before lines first..last are deleted: blocks after them get bounds for
// their new place; a block that loses lines but keeps its master shrinks (to
// a plain cell when only the master is left); a block whose master goes is
// dissolved and what remains of it after the deleted lines becomes a block
// of its own, mastered by its first cell, when it has two cells or more.
void reshapeBlocksBeforeDelete(Report &report, PoleAxis axis, int first, int last);

} // namespace cellvex
