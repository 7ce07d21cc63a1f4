#include "MergeExpansion.h"

#include "report/Report.h"

#include <algorithm>

namespace cellvex {

QRect cellRange(const Report &report, int col, int row)
{
    const QRect self(QPoint(col, row), QPoint(col, row));
    const Cell *c = report.cell(col, row);
    if (!c || c->sign() == MergeSign::None)
        return self;
    const BlockBounds b = c->block();
    const int lastCol = report.colCount() - 1, lastRow = report.rowCount() - 1;
    const int left = std::clamp(b.left, 0, lastCol), right = std::clamp(b.right, 0, lastCol);
    const int top = std::clamp(b.top, 0, lastRow), bottom = std::clamp(b.bottom, 0, lastRow);
    if (left > right || top > bottom)
        return self;
    return QRect(QPoint(left, top), QPoint(right, bottom)).united(self);
}

QPoint masterCell(const Report &report, int col, int row)
{
    const Cell *c = report.cell(col, row);
    if (!c || c->sign() != MergeSign::Covered)
        return QPoint(col, row);
    return cellRange(report, col, row).topLeft();
}

namespace {

// Widens `into` by the block of every merged cell in rows top..bottom,
// columns left..right.
void growByBlocks(const Report &report, int left, int top, int right, int bottom, QRect &into)
{
    for (int c = left; c <= right; ++c)
        for (int r = top; r <= bottom; ++r) {
            const Cell *cell = report.cell(c, r);
            if (cell && cell->sign() != MergeSign::None)
                into = into.united(cellRange(report, c, r));
        }
}

} // namespace

QRect expandToMerges(const Report &report, QRect rect)
{
    const int lastCol = report.colCount() - 1, lastRow = report.rowCount() - 1;
    if (lastCol < 0 || lastRow < 0 || !rect.isValid())
        return QRect();
    QRect cur(QPoint(std::max(rect.left(), 0), std::max(rect.top(), 0)),
              QPoint(std::min(rect.right(), lastCol), std::min(rect.bottom(), lastRow)));
    if (!cur.isValid())
        return QRect();

    QRect seen; // the rectangle of the previous pass; null before the first
    while (true) {
        QRect next = cur;
        if (seen.isNull()) {
            growByBlocks(report, cur.left(), cur.top(), cur.right(), cur.bottom(), next);
        } else {
            // Only the frame of new cells around the previous rectangle.
            growByBlocks(report, cur.left(), cur.top(), cur.right(), seen.top() - 1, next);
            growByBlocks(report, cur.left(), seen.bottom() + 1, cur.right(), cur.bottom(), next);
            growByBlocks(report, cur.left(), seen.top(), seen.left() - 1, seen.bottom(), next);
            growByBlocks(report, seen.right() + 1, seen.top(), cur.right(), seen.bottom(), next);
        }
        if (next == cur)
            return cur;
        seen = cur;
        cur = next;
    }
}

} // namespace cellvex
