#pragma once

#include "report/Report.h"

#include <QString>
#include <QStringList>

namespace cellvex::test {

// A report of cols x rows default cells, each holding its own position as
// caption ("A1" style: column letter, 1-based row), so tests can see where
// cells went. Saved.
inline void fillNames(Report &r)
{
    for (int c = 0; c < r.colCount(); ++c)
        for (int row = 0; row < r.rowCount(); ++row)
            r.cell(c, row)->storeCaption(QString(QChar('A' + c % 26)) + QString::number(row + 1));
}

inline void buildReport(Report &r, int cols, int rows, bool names = true)
{
    r.newReport(cols, rows);
    if (names)
        fillNames(r);
    r.setSaved(true);
}

// Merges a block by hand, as a loaded document holds it.
inline void storeBlock(Report &r, int left, int top, int right, int bottom)
{
    const BlockBounds b{left, top, right, bottom};
    for (int c = left; c <= right; ++c)
        for (int row = top; row <= bottom; ++row)
            r.cell(c, row)->setMerge(c == left && row == top ? MergeSign::Master : MergeSign::Covered, b);
}

// The blocks by their masters: "left,top-right,bottom" in column order.
inline QStringList blocks(const Report &r)
{
    QStringList out;
    for (int c = 0; c < r.colCount(); ++c)
        for (int row = 0; row < r.rowCount(); ++row)
            if (r.cell(c, row)->sign() == MergeSign::Master) {
                const BlockBounds b = r.cell(c, row)->block();
                out << QStringLiteral("%1,%2-%3,%4").arg(b.left).arg(b.top).arg(b.right).arg(b.bottom);
            }
    return out;
}

// What every structure edit must leave behind: the matrix as large as the
// rulers, tags equal to positions, and every block whole: one master at its
// top-left, all its cells covered and carrying its bounds, plain cells with
// zero bounds. Returns the first violation, or an empty text.
inline QString consistency(const Report &r)
{
    if (r.cells().colCount() != r.colCount() || r.cells().rowCount() != r.rowCount())
        return QStringLiteral("matrix %1x%2, rulers %3x%4")
            .arg(r.cells().colCount())
            .arg(r.cells().rowCount())
            .arg(r.colCount())
            .arg(r.rowCount());
    int blockCells = 0, claimed = 0;
    for (int c = 0; c < r.colCount(); ++c)
        for (int row = 0; row < r.rowCount(); ++row) {
            const Cell &cell = *r.cell(c, row);
            const QString at = QStringLiteral("(%1,%2) ").arg(c).arg(row);
            if (cell.tagX() != c || cell.tagY() != row)
                return at + QStringLiteral("tag %1,%2").arg(cell.tagX()).arg(cell.tagY());
            const BlockBounds b = cell.block();
            if (cell.sign() == MergeSign::None) {
                if (b.left || b.top || b.right || b.bottom)
                    return at + QStringLiteral("plain cell with bounds");
                continue;
            }
            ++claimed;
            if (b.left > c || b.right < c || b.top > row || b.bottom < row || b.right >= r.colCount() ||
                b.bottom >= r.rowCount())
                return at +
                       QStringLiteral("bounds %1,%2-%3,%4").arg(b.left).arg(b.top).arg(b.right).arg(b.bottom);
            const bool isMaster = c == b.left && row == b.top;
            if ((cell.sign() == MergeSign::Master) != isMaster)
                return at + QStringLiteral("sign %1").arg(int(cell.sign()));
            if (!isMaster)
                continue;
            if (b.left == b.right && b.top == b.bottom)
                return at + QStringLiteral("one-cell block");
            for (int bc = b.left; bc <= b.right; ++bc)
                for (int br = b.top; br <= b.bottom; ++br) {
                    const BlockBounds o = r.cell(bc, br)->block();
                    if (r.cell(bc, br)->sign() == MergeSign::None || o.left != b.left || o.top != b.top ||
                        o.right != b.right || o.bottom != b.bottom)
                        return at + QStringLiteral("member (%1,%2) differs").arg(bc).arg(br);
                    ++blockCells;
                }
        }
    if (claimed != blockCells)
        return QStringLiteral("%1 cells claim a block, blocks hold %2").arg(claimed).arg(blockCells);
    return QString();
}

} // namespace cellvex::test
