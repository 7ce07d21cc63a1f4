#pragma once

namespace cellvex {

class CellMatrix;

// Checks that the merge state the cells of a loaded report carry describes
// whole, non-overlapping blocks inside the grid: every master names itself
// as the top-left corner of a block whose other cells are all covered with
// the same bounds, and every covered cell belongs to such a master. Layout,
// selection and printing rely on this; a document that breaks it would make
// them reach outside the grid. Throws ReportError naming the first cell that
// does not fit. Linear in the number of cells.
void checkMergedBlocks(const CellMatrix &cells);

} // namespace cellvex
