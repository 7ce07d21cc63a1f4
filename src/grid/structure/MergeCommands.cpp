#include "MergeCommands.h"

#include "grid/structure/MergeBlocks.h"
#include "report/MergeExpansion.h"
#include "report/Report.h"

namespace cellvex {

namespace {

bool blockEdit(Report &report, int col1, int row1, int col2, int row2, bool merge,
               const std::function<void()> &beforeChange)
{
    auto accepted = [&] {
        if (col1 < 0 || row1 < 0 || col1 > col2 || row1 > row2 || col2 >= report.colCount() ||
            row2 >= report.rowCount())
            return false;
        // Grown over the blocks it touches, a rectangle that cuts none stays the same.
        const QRect rect(QPoint(col1, row1), QPoint(col2, row2));
        return expandToMerges(report, rect) == rect;
    };
    if (!accepted())
        return false;
    if (beforeChange) {
        beforeChange();
        if (!accepted()) // a handler may have changed the report meanwhile
            return false;
    }
    dissolveBlocks(report, col1, row1, col2, row2);
    if (merge)
        mergeRange(report, col1, row1, col2, row2);
    report.setSelectionRect(col1, row1, col2, row2);
    report.setInputCell(col1, row1);
    report.setWholeModes(false, false);
    report.setSaved(false);
    return true;
}

} // namespace

bool mergeCells(Report &report, int col1, int row1, int col2, int row2,
                const std::function<void()> &beforeChange)
{
    return blockEdit(report, col1, row1, col2, row2, true, beforeChange);
}

bool splitCells(Report &report, int col1, int row1, int col2, int row2,
                const std::function<void()> &beforeChange)
{
    return blockEdit(report, col1, row1, col2, row2, false, beforeChange);
}

} // namespace cellvex
