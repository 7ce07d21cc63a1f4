#include "export/HtmlExport.h"
#include "ExportFixtures.h"

#include "cells/CellDrawing.h"
#include "report/CellKindOps.h"
#include "report/Report.h"

#include <QElapsedTimer>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <functional>

using namespace cellvex;
using cellvex::test::mergeBlock;

namespace {

const QString kHead = QStringLiteral("border=1 cellspacing=0 cellpadding=0 "
                                     "style='border-collapse:collapse;border:none;'>");
const QString kRowEnd =
    QStringLiteral("<Td width=1 style='border:solid windowtext .5pt;border:none;'></Td></Tr>");
// Style of a default cell: borders on the left and top only.
const QString kDefaultBorders =
    QStringLiteral("style='border:solid windowtext .5pt;border-right:none;border-bottom:none;'");

QString wholeHtml(const Report &report)
{
    return transHtml(report, false, 0, 0, 0, 0, QStringLiteral("/nonexistent/dir/p"));
}

// The "<Td ...>...</Td>" elements of one exported row, without the filler at its end.
QStringList rowCells(const QString &html, int exportedRow)
{
    const QStringList rows = html.split(QStringLiteral("<Tr "));
    const QString row = rows.value(exportedRow + 1);
    QStringList cells;
    static const QRegularExpression td(QStringLiteral("<Td .*?</Td>"));
    for (auto it = td.globalMatch(row); it.hasNext();)
        cells.append(it.next().captured(0));
    if (!cells.isEmpty())
        cells.removeLast();
    return cells;
}

} // namespace

TEST(HtmlExport, WholeReportMarkup)
{
    Report report;
    report.newReport(2, 2);
    report.setCellCaption(1, 0, QStringLiteral("x"));
    const QString plain =
        QStringLiteral("<Td width=79 align=left valign=center ") + kDefaultBorders + "></Td>";
    const QString expected = QStringLiteral("<Table width=161 height=39 ") + kHead + "<Tr height=18>" +
                             plain + "<Td width=79 align=left valign=center " + kDefaultBorders +
                             " style='font-size:9.0pt;font-family:宋体;color:000000;'>x</Td>" + kRowEnd +
                             "<Tr height=18>" + plain + plain + kRowEnd +
                             "<Tr height=1>"
                             "<Td width=79 style='border:solid windowtext .5pt;border:none;'></Td>"
                             "<Td width=79 style='border:solid windowtext .5pt;border:none;'></Td>"
                             "</Tr></Table>";
    EXPECT_EQ(wholeHtml(report), expected);
    EXPECT_TRUE(report.saved());
}

TEST(HtmlExport, OneCellByItsAttributes)
{
    const QString style = QStringLiteral(" style='font-size:9.0pt;font-family:宋体;color:000000;'>");
    struct Case
    {
        const char *name;
        std::function<void(Report &)> setUp;
        QString cell;
    } cases[] = {
        {"empty default", [](Report &) {},
         QStringLiteral("<Td width=79 align=left valign=center ") + kDefaultBorders + "></Td>"},
        {"right and top",
         [](Report &r) {
             r.setAlignment(0, 0, HAlign::Right);
             r.setVAlignment(0, 0, VAlign::Top);
         },
         QStringLiteral("<Td width=79 align=right valign=top ") + kDefaultBorders + "></Td>"},
        {"centre and bottom",
         [](Report &r) {
             r.setAlignment(0, 0, HAlign::Center);
             r.setVAlignment(0, 0, VAlign::Bottom);
         },
         QStringLiteral("<Td width=79 align=center valign=bottom ") + kDefaultBorders + "></Td>"},
        {"every border, any width",
         [](Report &r) {
             r.setCellBorders(0, 0, BorderRight, 3);
             r.setCellBorders(0, 0, BorderBottom, 1);
         },
         QStringLiteral("<Td width=79 align=left valign=center style='border:solid windowtext .5pt;'></Td>")},
        {"no border",
         [](Report &r) {
             r.setCellBorders(0, 0, BorderLeft, 0);
             r.setCellBorders(0, 0, BorderTop, 0);
         },
         QStringLiteral("<Td width=79 align=left valign=center style='border:solid windowtext .5pt;"
                        "border-left:none;border-top:none;border-right:none;border-bottom:none;'></Td>")},
        {"black background", [](Report &r) { r.setBackColor(0, 0, 0); },
         QStringLiteral("<Td width=79 align=left valign=center style='border:solid windowtext .5pt;"
                        "border-right:none;border-bottom:none;background:000000;'></Td>")},
        {"red background", [](Report &r) { r.setBackColor(0, 0, 0x0000FF); },
         QStringLiteral("<Td width=79 align=left valign=center style='border:solid windowtext .5pt;"
                        "border-right:none;border-bottom:none;background:FF0000;'></Td>")},
        {"system colour background", [](Report &r) { r.setBackColor(0, 0, 0x80000005); },
         QStringLiteral("<Td width=79 align=left valign=center style='border:solid windowtext .5pt;"
                        "border-right:none;border-bottom:none;background:000000;'></Td>")},
        {"text", [](Report &r) { r.setCellCaption(0, 0, QStringLiteral("x")); },
         QStringLiteral("<Td width=79 align=left valign=center ") + kDefaultBorders + style + "x</Td>"},
        {"bold italic",
         [](Report &r) {
             r.setCellCaption(0, 0, QStringLiteral("x"));
             r.setFontStyle(0, 0, 0, true);
             r.setFontStyle(0, 0, 1, true);
         },
         QStringLiteral("<Td width=79 align=left valign=center ") + kDefaultBorders + style +
             "<b><i>x</i></b></Td>"},
        {"underline strike-out",
         [](Report &r) {
             r.setCellCaption(0, 0, QStringLiteral("x"));
             r.setFontStyle(0, 0, 2, true);
             r.setFontStyle(0, 0, 3, true);
         },
         QStringLiteral("<Td width=79 align=left valign=center ") + kDefaultBorders + style +
             "<u><s>x</s></u></Td>"},
        {"font",
         [](Report &r) {
             r.setCellCaption(0, 0, QStringLiteral("x"));
             r.setFontName(0, 0, QStringLiteral("Arial"));
             r.setFontSize(0, 0, 12);
             r.setFontColor(0, 0, 0xFF0000);
         },
         QStringLiteral("<Td width=79 align=left valign=center ") + kDefaultBorders +
             " style='font-size:12.0pt;font-family:Arial;color:0000FF;'>x</Td>"},
        {"quote in a font name cannot end the style",
         [](Report &r) {
             r.setCellCaption(0, 0, QStringLiteral("x"));
             r.setFontName(0, 0, QStringLiteral("A' onmouseover='b"));
         },
         QStringLiteral("<Td width=79 align=left valign=center ") + kDefaultBorders +
             " style='font-size:9.0pt;font-family:A&#39; onmouseover=&#39;b;color:000000;'>x</Td>"},
        {"markup in a text", [](Report &r) { r.setCellCaption(0, 0, QStringLiteral("a<b & </Td>")); },
         QStringLiteral("<Td width=79 align=left valign=center ") + kDefaultBorders + style +
             "a&lt;b &amp; &lt;/Td&gt;</Td>"},
        {"character outside the code page",
         [](Report &r) { r.setCellCaption(0, 0, QString::fromUtf8("中😀")); },
         QStringLiteral("<Td width=79 align=left valign=center ") + kDefaultBorders + style +
             "中&#x1F600;</Td>"},
        {"checked check box",
         [](Report &r) {
             setCheckCell(r, 0, 0, QStringLiteral("同意"));
             r.setCellCaption(0, 0, QStringLiteral("1"));
             r.setAlignment(0, 0, HAlign::Right);
             r.setVAlignment(0, 0, VAlign::Top);
             r.setFontStyle(0, 0, 0, true);
         },
         QStringLiteral("<Td width=79 align=left valign=center ") + kDefaultBorders + style +
             "<b><input type=checkbox checked>同意</b></Td>"},
        {"unchecked check box", [](Report &r) { setCheckCell(r, 0, 0, QStringLiteral("同意")); },
         QStringLiteral("<Td width=79 align=left valign=center ") + kDefaultBorders + style +
             "<input type=checkbox>同意</Td>"},
        {"button", [](Report &r) { setButtonCell(r, 0, 0, QStringLiteral("确定"), QString()); },
         QStringLiteral("<Td width=79 align=left valign=center ") + kDefaultBorders + style + "确定</Td>"},
        {"diagonal is not a picture",
         [](Report &r) {
             r.setCellBorders(0, 0, BorderDiagonal, 1);
             r.setBackColor(0, 0, 0x00FF00);
             r.setCellCaption(0, 0, QStringLiteral("x"));
         },
         QStringLiteral("<Td width=79 align=left valign=center style='border:solid windowtext .5pt;"
                        "border-right:none;border-bottom:none;background:00FF00;'") +
             style + "x</Td>"},
        {"caption too tall to show",
         [](Report &r) {
             r.rowRuler().setPoleRange(0, 1);
             r.setCellCaption(0, 0, QStringLiteral("x"));
         },
         QStringLiteral("<Td width=79 align=left valign=center ") + kDefaultBorders + "></Td>"},
    };
    for (const Case &c : cases) {
        Report report;
        report.newReport(1, 1);
        c.setUp(report);
        EXPECT_EQ(rowCells(wholeHtml(report), 0), QStringList{c.cell}) << c.name;
    }
}

TEST(HtmlExport, WrappedCaptionShowsItsVisibleLinesJoinedByBreaks)
{
    Report report;
    report.newReport(1, 1);
    report.colRuler().setPoleRange(0, 30);
    report.rowRuler().setPoleRange(0, 200);
    report.setMultiLine(0, 0, true);
    report.setCellCaption(0, 0, QStringLiteral("abcdefghijkl"));
    const TextLayout layout = layoutCell(*report.cell(0, 0), 30, 200, report.fonts());
    ASSERT_GE(layout.lineValues.size(), 2);
    const QStringList cells = rowCells(wholeHtml(report), 0);
    ASSERT_EQ(cells.size(), 1);
    EXPECT_TRUE(
        cells[0].endsWith(QLatin1Char('>') + layout.lineValues.join(QStringLiteral("<br>")) + "</Td>"))
        << cells[0].toStdString();
}

TEST(HtmlExport, MergedBlockSpansItsVisibleColumnsAndRows)
{
    Report report;
    report.newReport(4, 3);
    mergeBlock(report, 0, 0, 2, 1);
    report.colRuler().setPoleRange(1, 0); // hidden column inside the block
    report.setCellCaption(0, 0, QStringLiteral("m"));
    const QString html = wholeHtml(report);

    const QStringList first = rowCells(html, 0);
    ASSERT_EQ(first.size(), 2);
    EXPECT_TRUE(
        first[0].startsWith(QStringLiteral("<Td width=159 align=left valign=center colspan=2 rowspan=2 "
                                           "style='border:solid windowtext .5pt;")))
        << first[0].toStdString();
    EXPECT_TRUE(first[0].endsWith(QStringLiteral(">m</Td>")));
    EXPECT_TRUE(first[1].startsWith(QStringLiteral("<Td width=79 ")));
    EXPECT_EQ(rowCells(html, 1).size(), 1); // the covered cells are left out
    EXPECT_EQ(rowCells(html, 2).size(), 3); // the hidden column gives no cell
    EXPECT_TRUE(html.startsWith(QStringLiteral("<Table width=241 height=58 ")));
    EXPECT_EQ(html.count(QStringLiteral("<Tr height=1><Td width=79 ")), 1);
    EXPECT_EQ(html.section(QStringLiteral("<Tr height=1>"), 1).count(QStringLiteral("<Td ")), 3);
}

TEST(HtmlExport, HiddenRowIsLeftOutButCountsInTheHeight)
{
    Report report;
    report.newReport(1, 3);
    report.rowRuler().setPoleRange(1, 0);
    report.rowRuler().setPoleRange(2, 30);
    const QString html = wholeHtml(report);
    EXPECT_TRUE(html.startsWith(QStringLiteral("<Table width=81 height=50 "))) << html.left(40).toStdString();
    EXPECT_EQ(html.count(QStringLiteral("<Tr ")), 3); // two rows and the sizing row
    EXPECT_TRUE(html.contains(QStringLiteral("<Tr height=18><Td ")));
    EXPECT_TRUE(html.contains(QStringLiteral("<Tr height=29><Td ")));
}

TEST(HtmlExport, RangeCutsMergedBlocks)
{
    Report report;
    report.newReport(4, 4);
    mergeBlock(report, 0, 0, 1, 1); // starts outside the range below
    mergeBlock(report, 2, 2, 3, 3); // starts inside, reaches beyond it
    const QString html = transHtml(report, true, 1, 1, 2, 2, QString());
    EXPECT_TRUE(html.startsWith(QStringLiteral("<Table width=161 height=39 ")));
    EXPECT_EQ(rowCells(html, 0).size(), 1); // (1,1) is covered by a block outside the range
    const QStringList second = rowCells(html, 1);
    ASSERT_EQ(second.size(), 2);
    EXPECT_TRUE(
        second[1].startsWith(QStringLiteral("<Td width=159 align=left valign=center colspan=2 rowspan=2 ")))
        << second[1].toStdString();
}

TEST(HtmlExport, InvalidRangeGivesNothing)
{
    Report report;
    report.newReport(3, 2);
    struct Case
    {
        int col1, row1, col2, row2;
    } cases[] = {{0, 0, 3, 1}, {0, 0, 2, 2}, {-1, 0, 1, 1}, {0, -1, 1, 1}, {2, 0, 1, 1}, {0, 1, 1, 0}};
    for (const Case &c : cases)
        EXPECT_EQ(transHtml(report, true, c.col1, c.row1, c.col2, c.row2, QString()), QString())
            << c.col1 << "," << c.row1 << "-" << c.col2 << "," << c.row2;
    EXPECT_FALSE(transHtml(report, true, 0, 0, 2, 1, QString()).isEmpty());
    EXPECT_FALSE(transHtml(report, false, -5, 9, -7, 9, QString()).isEmpty()); // coordinates ignored
}

TEST(HtmlExport, LargeReportExportsInLinearTime)
{
    Report report;
    report.newReport(1000, 1000);
    for (int i = 0; i < 1000; ++i)
        report.setCellCaption(i, i, QStringLiteral("v%1").arg(i));
    mergeBlock(report, 10, 10, 900, 900);
    QElapsedTimer timer;
    timer.start();
    const QString html = wholeHtml(report);
    // A quadratic pass over a million cells would take many minutes.
    EXPECT_LT(timer.elapsed(), 60000);
    EXPECT_EQ(html.count(QStringLiteral("<Tr ")), 1001);
    EXPECT_TRUE(html.contains(QStringLiteral("colspan=891 rowspan=891")));
}
