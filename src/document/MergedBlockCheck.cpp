#include "MergedBlockCheck.h"

#include "cells/CellMatrix.h"
#include "report/Report.h"

namespace cellvex {

namespace {

bool sameBounds(const BlockBounds &a, const BlockBounds &b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

[[noreturn]] void fail(int col, int row)
{
    throw ReportError(
        QStringLiteral("报表文档中第 %1 列第 %2 行单元的合并区域无效").arg(col + 1).arg(row + 1));
}

bool masterFits(const CellMatrix &cells, int col, int row, const BlockBounds &b)
{
    if (b.left != col || b.top != row || b.right < col || b.bottom < row || b.right >= cells.colCount() ||
        b.bottom >= cells.rowCount())
        return false;
    // Each covered cell can pass for one master only (its bounds name it), so
    // the blocks that pass add up to at most the whole grid.
    for (int c = b.left; c <= b.right; ++c)
        for (int r = b.top; r <= b.bottom; ++r) {
            if (c == col && r == row)
                continue;
            const Cell &covered = cells.at(c, r);
            if (covered.sign() != MergeSign::Covered || !sameBounds(covered.block(), b))
                return false;
        }
    return true;
}

bool coveredFits(const CellMatrix &cells, int col, int row, const BlockBounds &b)
{
    if (!cells.contains(b.left, b.top) || col < b.left || col > b.right || row < b.top || row > b.bottom)
        return false;
    const Cell &master = cells.at(b.left, b.top);
    return master.sign() == MergeSign::Master && sameBounds(master.block(), b);
}

} // namespace

void checkMergedBlocks(const CellMatrix &cells)
{
    for (int col = 0; col < cells.colCount(); ++col)
        for (int row = 0; row < cells.rowCount(); ++row) {
            const Cell &cell = cells.at(col, row);
            switch (cell.sign()) {
            case MergeSign::None:
                break;
            case MergeSign::Master:
                if (!masterFits(cells, col, row, cell.block()))
                    fail(col, row);
                break;
            case MergeSign::Covered:
                // Its master (checked on its own) has already vouched for
                // every cell it covers; this catches covered cells no master claims.
                if (!coveredFits(cells, col, row, cell.block()))
                    fail(col, row);
                break;
            }
        }
}

} // namespace cellvex
