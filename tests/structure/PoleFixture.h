#pragma once

#include "StructureFixture.h"
#include "grid/structure/PoleAxis.h"

#include <QRegularExpression>

#include <climits>

#include <gtest/gtest.h>

namespace cellvex::test {

// Column and row edits are mirror images; these tests state each case once
// in "line" terms (a line is a column or a row, `cross` runs along it) and
// run it for both orientations.
class LineFixture : public ::testing::TestWithParam<Orientation>
{
protected:
    Report r;
    Orientation o = GetParam();
    PoleAxis axis{GetParam()};
    bool columns = GetParam() == Orientation::Horizontal;

    int col(int line, int cross) const { return columns ? line : cross; }
    int row(int line, int cross) const { return columns ? cross : line; }

    void build(int lines, int cross) { buildReport(r, col(lines, cross), row(lines, cross)); }
    void block(int lo, int crossLo, int hi, int crossHi)
    {
        storeBlock(r, col(lo, crossLo), row(lo, crossLo), col(hi, crossHi), row(hi, crossHi));
    }
    // Blocks as "lo,crossLo-hi,crossHi".
    QStringList lineBlocks() const
    {
        QStringList out;
        for (const QString &b : blocks(r)) {
            const QStringList n = b.split(QRegularExpression(QStringLiteral("[,-]")));
            out << (columns ? b : QStringLiteral("%1,%2-%3,%4").arg(n[1], n[0], n[3], n[2]));
        }
        out.sort();
        return out;
    }
    // The caption the cell at (line, cross) had when the report was built.
    QString originally(int line, int cross) const
    {
        return QString(QChar('A' + col(line, cross) % 26)) + QString::number(row(line, cross) + 1);
    }
    QString caption(int line, int cross) const
    {
        return r.cell(col(line, cross), row(line, cross))->caption();
    }
    Cell *cellAt(int line, int cross) { return r.cell(col(line, cross), row(line, cross)); }
    // The cell's drawn length along the axis (a master spans its block).
    std::int64_t drawnLength(int line, int cross) const
    {
        const ReportRect rr = r.cellRect(col(line, cross), row(line, cross));
        return columns ? rr.width : rr.height;
    }
    int range() const { return (columns ? r.colRuler() : r.rowRuler()).defaultRange(); }
    RulerModel &ruler() { return axis.ruler(r); }
    void select(int lineFirst, int crossFirst, int lineLast, int crossLast, int inputLine, int inputCross)
    {
        r.setSelectionRect(col(lineFirst, crossFirst), row(lineFirst, crossFirst), col(lineLast, crossLast),
                           row(lineLast, crossLast));
        r.setInputCell(col(inputLine, inputCross), row(inputLine, inputCross));
    }
};

inline std::string orientationName(const ::testing::TestParamInfo<Orientation> &info)
{
    return info.param == Orientation::Horizontal ? "Columns" : "Rows";
}

} // namespace cellvex::test
