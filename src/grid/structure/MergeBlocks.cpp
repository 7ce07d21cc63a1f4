#include "MergeBlocks.h"

#include "report/Report.h"

#include <algorithm>

namespace cellvex {

namespace {

// Clamps the rectangle to the grid; false when nothing of it is left.
bool clampToGrid(const Report &r, int &col1, int &row1, int &col2, int &row2)
{
    col1 = std::max(col1, 0);
    row1 = std::max(row1, 0);
    col2 = std::min(col2, r.colCount() - 1);
    row2 = std::min(row2, r.rowCount() - 1);
    return col1 <= col2 && row1 <= row2;
}

} // namespace

void mergeRange(Report &report, int col1, int row1, int col2, int row2)
{
    if (!clampToGrid(report, col1, row1, col2, row2) || (col1 == col2 && row1 == row2))
        return;
    report.cells().markBlock(col1, row1, col2, row2);
}

void dissolveBlocks(Report &report, int col1, int row1, int col2, int row2)
{
    if (!clampToGrid(report, col1, row1, col2, row2))
        return;
    for (int c = col1; c <= col2; ++c)
        for (int r = row1; r <= row2; ++r) {
            Cell *master = report.cell(c, r);
            if (master->sign() != MergeSign::Master)
                continue;
            // Only the cells that really belong to this master: bounds from a
            // damaged document must not free cells of another block.
            const BlockBounds b = master->block();
            const int lastCol = std::min(b.right, report.colCount() - 1);
            const int lastRow = std::min(b.bottom, report.rowCount() - 1);
            for (int bc = std::max(b.left, 0); bc <= lastCol; ++bc)
                for (int br = std::max(b.top, 0); br <= lastRow; ++br) {
                    Cell *cell = report.cell(bc, br);
                    if (cell->sign() == MergeSign::Covered && cell->block().left == c &&
                        cell->block().top == r)
                        cell->setMerge(MergeSign::None, {});
                }
            master->setMerge(MergeSign::None, {});
        }
}

void resetCells(Report &report, int col1, int row1, int col2, int row2)
{
    if (!clampToGrid(report, col1, row1, col2, row2))
        return;
    for (int c = col1; c <= col2; ++c)
        for (int r = row1; r <= row2; ++r) {
            Cell fresh;
            fresh.setTag(c, r);
            *report.cell(c, r) = std::move(fresh);
        }
    report.cellsReplaced();
}

MergeState mergeStateOf(const Report &report, int col, int row)
{
    const Cell *c = report.cell(col, row);
    if (!c)
        return {};
    MergeState s;
    s.type = int(c->sign());
    if (c->sign() != MergeSign::None)
        s.bounds = c->block();
    return s;
}

} // namespace cellvex
