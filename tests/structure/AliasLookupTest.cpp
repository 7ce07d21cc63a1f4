#include "grid/structure/MergeBlocks.h"
#include "grid/structure/PoleEdits.h"
#include "report/Report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace cellvex;

namespace {

// The lookup as it is defined: a scan of every cell, columns first.
bool scan(const Report &report, const QString &alias, bool last, int &col, int &row)
{
    bool found = false;
    for (int c = 0; c < report.colCount(); ++c)
        for (int r = 0; r < report.rowCount(); ++r)
            if (report.cell(c, r)->hasAlias() && report.cell(c, r)->aliasName() == alias) {
                col = c;
                row = r;
                found = true;
                if (!last)
                    return true;
            }
    return found;
}

} // namespace

TEST(AliasLookup, AgreesWithAScanThroughEveryKindOfEdit)
{
    // Random alias edits mixed with the edits that move, replace or reset
    // cells: after each step every lookup must give what a scan gives.
    std::mt19937 random(20261211);
    auto pick = [&](int n) { return int(random() % unsigned(n)); };
    const QString names[] = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("Total"),
                             QStringLiteral("x1")};
    Report report;
    report.newReport(5, 6);
    for (int step = 0; step < 600; ++step) {
        const int cols = report.colCount(), rows = report.rowCount();
        switch (pick(9)) {
        case 0:
        case 1:
        case 2:
            report.setCellAlias(pick(cols), pick(rows), names[pick(4)]);
            break;
        case 3:
            report.setCellAlias(pick(cols), pick(rows), QString());
            break;
        case 4:
            report.deleteAlias(names[pick(4)]);
            break;
        case 5:
            insertPoles(report, pick(2) ? Orientation::Horizontal : Orientation::Vertical, pick(2),
                        1 + pick(2));
            break;
        case 6:
            if (cols > 2 && rows > 2) {
                const Orientation o = pick(2) ? Orientation::Horizontal : Orientation::Vertical;
                const int n = o == Orientation::Horizontal ? cols : rows;
                const int first = pick(n - 1);
                deletePoles(report, o, first, first);
            }
            break;
        case 7: {
            const int c1 = pick(cols), c2 = pick(cols), r1 = pick(rows), r2 = pick(rows);
            resetCells(report, std::min(c1, c2), std::min(r1, r2), std::max(c1, c2), std::max(r1, r2));
            break;
        }
        default:
            if (pick(20) == 0)
                report.newReport(4 + pick(3), 4 + pick(3));
            break;
        }
        for (const QString &name : names)
            for (bool last : {false, true}) {
                int ec = -9, er = -9, gc = -9, gr = -9;
                const bool expected = scan(report, name, last, ec, er);
                const bool got = last ? report.findLastAlias(name, gc, gr) : report.findAlias(name, gc, gr);
                ASSERT_EQ(got, expected) << "step " << step << " " << name.toStdString();
                if (expected) {
                    ASSERT_EQ(gc, ec) << "step " << step;
                    ASSERT_EQ(gr, er) << "step " << step;
                }
            }
    }
}

TEST(AliasLookup, CellsReplacedWithoutTheSettersAreFound)
{
    // A loaded or pasted cell brings its alias without a setter; the matrix
    // swap or the owner's notice makes the next lookup see it.
    Report report;
    report.newReport(3, 3);
    report.setCellAlias(2, 2, QStringLiteral("Late"));
    int c = 0, r = 0;
    ASSERT_TRUE(report.findAlias(QStringLiteral("Late"), c, r));

    Cell early;
    early.storeAlias(QStringLiteral("Late"));
    early.setTag(0, 0);
    *report.cell(0, 0) = early;
    report.cellsReplaced();
    ASSERT_TRUE(report.findAlias(QStringLiteral("Late"), c, r));
    EXPECT_EQ(std::make_pair(c, r), std::make_pair(0, 0));
    ASSERT_TRUE(report.findLastAlias(QStringLiteral("Late"), c, r));
    EXPECT_EQ(std::make_pair(c, r), std::make_pair(2, 2));

    CellMatrix other = CellMatrix::create(2, 2);
    other.at(1, 1).storeAlias(QStringLiteral("Swapped"));
    report.cells().swap(other);
    ASSERT_TRUE(report.findAlias(QStringLiteral("Swapped"), c, r));
    EXPECT_EQ(std::make_pair(c, r), std::make_pair(1, 1));
    EXPECT_FALSE(report.findAlias(QStringLiteral("Late"), c, r));
}
