#include "export/TextExport.h"

#include "report/CellKindOps.h"
#include "report/Report.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace cellvex;

namespace {

// A report of the given rows, one string per cell.
// Fills the report with the rows of captions (one list per row).
void fill(Report &report, const std::vector<std::vector<QString>> &rows)
{
    report.newReport(int(rows.at(0).size()), int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r)
        for (int c = 0; c < int(rows[size_t(r)].size()); ++c)
            report.setCellCaption(c, r, rows[size_t(r)][size_t(c)]);
    report.setSaved(true);
}

} // namespace

TEST(TextExport, WholeReportWithAndWithoutEmptyCells)
{
    const QString sp = QStringLiteral(" "), nothing;
    struct Case
    {
        const char *name;
        std::vector<std::vector<QString>> rows;
        bool emptyCells;
        QString separator, expected;
    } cases[] = {
        {"every cell", {{"a", "b", "c"}, {nothing, nothing, nothing}}, true, ",", "a,b,c\r\n,,\r\n"},
        {"values only", {{"a", "b", "c"}, {nothing, nothing, nothing}}, false, ",", "a,b,c,"},
        {"blank values are empty",
         {{"  ", "\t\r\n", QString(QChar(1)) + " "}, {" x ", nothing, "y"}},
         false,
         ";",
         " x ;y;"},
        {"blank values written when every cell is", {{"  ", "a"}}, true, ";", "  ;a\r\n"},
        {"ideographic space is a value", {{QStringLiteral("\u3000"), nothing}}, false, "|", "\u3000|"},
        {"separator of several characters", {{"1", "2"}, {"3", "4"}}, true, "<->", "1<->2\r\n3<->4\r\n"},
        {"no separator", {{"1", "2"}, {"3", "4"}}, true, "", "12\r\n34\r\n"},
        {"one column", {{"1"}, {nothing}}, true, ",", "1\r\n\r\n"},
        {"values kept as stored",
         {{"a,b", "\"q\"", QString::fromUtf8("中😀ŵ")}},
         false,
         ",",
         QString::fromUtf8("a,b,\"q\",中😀ŵ,")},
    };
    for (const Case &c : cases) {
        Report report;
        fill(report, c.rows);
        EXPECT_EQ(transText(report, false, 0, 0, 0, 0, c.emptyCells, c.separator), c.expected) << c.name;
        EXPECT_TRUE(report.saved()) << c.name;
    }
}

TEST(TextExport, RangeEndsLinesAtItsLastColumn)
{
    Report report;
    fill(report, {{"a", "b", "c"}, {"d", "e", "f"}, {"g", "h", "i"}});
    EXPECT_EQ(transText(report, true, 1, 1, 2, 2, true, QStringLiteral(",")),
              QStringLiteral("e,f\r\nh,i\r\n"));
    EXPECT_EQ(transText(report, true, 0, 2, 0, 2, true, QStringLiteral(",")), QStringLiteral("g\r\n"));
    EXPECT_EQ(transText(report, true, 1, 0, 2, 1, false, QStringLiteral(" ")), QStringLiteral("b c e f "));
    // Without a selection the coordinates are not looked at.
    EXPECT_EQ(transText(report, false, 7, -3, 1, 99, false, QString()), QStringLiteral("abcdefghi"));
}

TEST(TextExport, InvalidRangeGivesNothing)
{
    Report report;
    fill(report, {{"a", "b", "c"}, {"d", "e", "f"}});
    struct Case
    {
        int col1, row1, col2, row2;
    } cases[] = {{0, 0, 3, 1}, {0, 0, 2, 2}, {-1, 0, 1, 1}, {0, -1, 1, 1}, {2, 0, 1, 1}, {0, 1, 1, 0}};
    for (const Case &c : cases)
        EXPECT_EQ(transText(report, true, c.col1, c.row1, c.col2, c.row2, true, QStringLiteral(",")),
                  QString())
            << c.col1 << "," << c.row1 << "-" << c.col2 << "," << c.row2;
}

TEST(TextExport, StoredValueNotTheDisplayedText)
{
    Report report;
    report.newReport(2, 1);
    setCheckCell(report, 0, 0, QStringLiteral("同意"));
    report.setCellCaption(0, 0, QStringLiteral("1"));
    report.colRuler().setPoleRange(1, 0); // hidden columns are still exported
    report.setCellCaption(1, 0, QStringLiteral("hidden"));
    EXPECT_EQ(transText(report, false, 0, 0, 0, 0, true, QStringLiteral(",")),
              QStringLiteral("1,hidden\r\n"));
}

TEST(TextExport, LargeReportExportsInLinearTime)
{
    Report report;
    report.newReport(1000, 1000);
    for (int i = 0; i < 1000; ++i)
        report.setCellCaption(i, 999 - i, QStringLiteral("v"));
    QElapsedTimer timer;
    timer.start();
    const QString every = transText(report, false, 0, 0, 0, 0, true, QStringLiteral(","));
    const QString values = transText(report, false, 0, 0, 0, 0, false, QStringLiteral(","));
    EXPECT_LT(timer.elapsed(), 20000);
    EXPECT_EQ(every.size(), 1000 * (999 + 2) + 1000);
    EXPECT_EQ(values, QStringLiteral("v,").repeated(1000));
}
