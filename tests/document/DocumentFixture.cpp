#include "DocumentFixture.h"

#include "cells/ChartCell.h"
#include "report/ChartCellOps.h"

namespace cellvex::test {

namespace {

Cell &cellAt(Report &r, int col, int row)
{
    return *r.cell(col, row);
}

// A chart cell as the chart members build one: texts, series of three kinds
// (a dragged curve among them) and optionally a background.
void makeChart(Report &report, int col, int row, bool withBackground)
{
    Cell &c = cellAt(report, col, row);
    c.setKind(CellKind::Chart);
    applyChart(c, report.fonts().font(c.fontId()),
               {QStringLiteral("销售\r\n第二行"), QStringLiteral("月份,10,1"), QStringLiteral("金额")});
    appendChartSeries(c, 1, QStringLiteral("3,255,2,2,00"), QStringLiteral("1,5,2,7,3,6"));
    appendChartSeries(c, 8, QStringLiteral("3,3"), QStringLiteral("1,1,2,4,3,9"));
    appendChartSeries(c, 9, QStringLiteral("2"), QStringLiteral("1,1,2,2,@1,3,2,2"));
    if (withBackground)
        setChartBackground(c, testPicture(QImage::Format_RGB32, 9, 4), true);
    rebuildChartSnapshot(report, col, row);
}

QImage comparable(const QImage *image)
{
    return image ? image->convertToFormat(QImage::Format_ARGB32) : QImage();
}

} // namespace

void buildRichReport(Report &report, PageSettings &page)
{
    report.newReport(7, 9);
    report.colRuler().setPoleRange(1, 120);
    report.colRuler().setPoleRange(4, 0);
    report.rowRuler().setPoleRange(2, 40);
    report.rowRuler().setPoleRange(8, 1);

    // Text and formatting.
    report.setCellCaption(0, 0, QStringLiteral("标题 Title"));
    report.setFontName(0, 0, QStringLiteral("黑体"));
    report.setFontSize(0, 0, 16);
    report.setFontColor(0, 0, 0x0000FF);
    report.setFontStyle(0, 0, 0, true);
    report.setFontStyle(0, 0, 2, true);
    report.setFontStyle(1, 0, 1, true);
    report.setFontStyle(1, 0, 3, true);
    report.setBackColor(0, 1, kButtonFace); // a system colour, stored negative
    report.setBackColor(1, 1, 0x00FFEEDD);
    report.setAlignment(0, 1, HAlign::Right);
    report.setVAlignment(0, 1, VAlign::Bottom);
    report.setAlignment(1, 2, HAlign::Center);
    report.setVAlignment(1, 2, VAlign::Top);
    report.setMultiLine(1, 2, true);
    report.setCellCaption(1, 2, QStringLiteral("第一行\r\n第二行\n第三行\r  空格 "));
    report.setCellBorders(2, 0, BorderLeft, 0);
    report.setCellBorders(2, 0, BorderTop, 3);
    report.setCellBorders(2, 0, BorderRight, 2);
    report.setCellBorders(2, 0, BorderBottom, 1);
    report.setCellBorders(2, 1, BorderDiagonal, 3);
    report.setCellCaption(2, 2, QStringLiteral("<&>\"' 😀 한 €"));
    report.setCellCaption(2, 3, QStringLiteral(" "));

    // Input attributes.
    Cell &input = cellAt(report, 3, 0);
    input.setReadOnly(true);
    input.setPrintHide(true);
    input.setFormatType(3);
    input.setFormatText(QStringLiteral("#,##0.00"));
    input.setImeName(QStringLiteral("中文 (简体) - 微软拼音"));
    input.setCellNext(5, 6);
    setTextCell(report, 3, 1, 12);
    report.setCellAlias(3, 1, QStringLiteral("Total1"));
    report.setCellAlias(6, 8, QStringLiteral("Last"));
    report.setAppendRange(3, 2, 3);
    report.setAppendString(3, 2, 0, QStringLiteral("甲"));
    report.setAppendString(3, 2, 2, QStringLiteral("丙\r\n"));
    Cell &scripted = cellAt(report, 3, 3);
    scripted.setScriptType(QStringLiteral("VBScript"));
    scripted.setScriptText(QStringLiteral("a = 1\r\nb = 2\r\n"));
    scripted.setExpressionText(QStringLiteral("sum(1,1,1,3)*2"));

    // Kinds.
    setDropCell(report, 4, 0, QStringLiteral("甲\r\n乙\r\n丙\r\n"));
    report.setCellCaption(4, 0, QStringLiteral("乙"));
    setDateTimeCell(report, 4, 1);
    report.setCellCaption(4, 1, QStringLiteral("2024-02-29"));
    setButtonCell(report, 4, 2, QStringLiteral("计算"), QStringLiteral("Calc\r\nSave\r\n"));
    setCheckCell(report, 4, 3, QStringLiteral("已审核"));
    report.setCellCaption(4, 3, QStringLiteral("1"));
    setCheckCell(report, 4, 4, QString());
    makeChart(report, 5, 0, true);
    makeChart(report, 5, 1, false);
    setDateTimeCell(report, 4, 5);

    // Pictures: an opaque one, one with transparency (stretched), a palette one.
    showCellPicture(cellAt(report, 6, 0), testPicture(QImage::Format_RGB32), false);
    showCellPicture(cellAt(report, 6, 1), testPicture(QImage::Format_ARGB32), true);
    showCellPicture(cellAt(report, 6, 2), testPicture(QImage::Format_Indexed8), false);
    setDropCell(report, 6, 3, QStringLiteral("x\r\n"));
    showCellPicture(cellAt(report, 6, 3), testPicture(QImage::Format_RGB32, 3, 3), true);

    // A merged block of 2 x 3 cells at (0, 4).
    const BlockBounds block{0, 4, 1, 6};
    for (int c = 0; c <= 1; ++c)
        for (int r = 4; r <= 6; ++r)
            cellAt(report, c, r).setMerge(c == 0 && r == 4 ? MergeSign::Master : MergeSign::Covered, block);
    report.setCellCaption(0, 4, QStringLiteral("合并"));

    // Report-wide state and the page.
    report.setHeaderCount(1);
    report.setFooterCount(2);
    report.setPoleVisibleValue(2);
    report.setInitialScript(QStringLiteral("JScript"), QStringLiteral("var x = 1;\nx++"));
    page.printerName = QStringLiteral("PDF");
    page.paperName = QStringLiteral("B5 (JIS)");
    page.width.text = QStringLiteral("182");
    page.height.text = QStringLiteral("257.5");
    page.setLandscape(true);
    page.leftMargin.text = QStringLiteral("12.5");
    page.rightMargin.text = QStringLiteral("7");
    page.topMargin.text = QStringLiteral("30.25");
    page.bottomMargin.text = QStringLiteral("abc"); // kept verbatim, read as 0 pixels
    page.headerMargin.text = QStringLiteral("5");
    page.footerMargin.text = QStringLiteral("6.0");
    page.printBorders = false;
    page.printBackColor = false;
    page.copies = 3;
    page.headerFooterFontName = QStringLiteral("楷体");
    page.headerFooterFontSize = 11;
    page.headerContent = QStringLiteral("第&P页\r\n共&N页");
    page.footerContent = QStringLiteral("&D &T");
    page.recomputePixels();
}

void expectSameCell(const Report &expected, const Report &actual, int col, int row)
{
    SCOPED_TRACE(testing::Message() << "cell " << col << "," << row);
    const Cell &a = *expected.cell(col, row);
    const Cell &b = *actual.cell(col, row);
    EXPECT_EQ(a.caption(), b.caption());
    EXPECT_EQ(int(a.kind()), int(b.kind()));
    EXPECT_EQ(expected.fonts().attributes(a.fontId()), actual.fonts().attributes(b.fontId()));
    EXPECT_EQ(a.backColor(), b.backColor());
    EXPECT_EQ(int(a.alignment()), int(b.alignment()));
    EXPECT_EQ(int(a.vAlignment()), int(b.vAlignment()));
    EXPECT_EQ(a.multiLine(), b.multiLine());
    EXPECT_EQ(a.readOnly(), b.readOnly());
    EXPECT_EQ(a.printHide(), b.printHide());
    for (int t = BorderDiagonal; t <= BorderBottom; ++t)
        EXPECT_EQ(expected.cellBorders(col, row, t), actual.cellBorders(col, row, t)) << "border " << t;
    EXPECT_EQ(a.formatType(), b.formatType());
    EXPECT_EQ(a.formatText(), b.formatText());
    EXPECT_EQ(a.textLength(), b.textLength());
    EXPECT_EQ(a.imeName(), b.imeName());
    EXPECT_EQ(a.aliasName(), b.aliasName());
    EXPECT_EQ(a.cellNextPX(), b.cellNextPX());
    EXPECT_EQ(a.cellNextPY(), b.cellNextPY());
    EXPECT_EQ(a.dropText(), b.dropText());
    EXPECT_EQ(a.checkText(), b.checkText());
    EXPECT_EQ(a.buttonScript(), b.buttonScript());
    EXPECT_EQ(a.scriptType(), b.scriptType());
    EXPECT_EQ(a.scriptText(), b.scriptText());
    EXPECT_EQ(a.expressionText(), b.expressionText());
    ASSERT_EQ(a.appendRange(), b.appendRange());
    for (int i = 0; i < a.appendRange(); ++i)
        EXPECT_EQ(a.appendString(i), b.appendString(i));
    EXPECT_EQ(int(a.sign()), int(b.sign()));
    EXPECT_EQ(a.block().left, b.block().left);
    EXPECT_EQ(a.block().top, b.block().top);
    EXPECT_EQ(a.block().right, b.block().right);
    EXPECT_EQ(a.block().bottom, b.block().bottom);
    EXPECT_EQ(a.haveImage(), b.haveImage());
    EXPECT_EQ(a.imageStretch(), b.imageStretch());
    EXPECT_EQ(a.haveChart(), b.haveChart());
    EXPECT_EQ(a.flag(Cell::HaveChartImageFlag), b.flag(Cell::HaveChartImageFlag));
    EXPECT_EQ(a.haveWidgetPanel(), b.haveWidgetPanel());
    EXPECT_EQ(a.haveCheckBox(), b.haveCheckBox());
    // A chart's picture layer holds its snapshot, drawn again at every load;
    // what is stored is the background.
    if (a.haveChart()) {
        ASSERT_TRUE(a.picture() && b.picture());
        EXPECT_EQ(a.picture()->size(), b.picture()->size());
        const QImage ba = chartBackground(a), bb = chartBackground(b);
        EXPECT_EQ(comparable(&ba), comparable(&bb));
        EXPECT_EQ(a.chart()->chart.seriesCount(), b.chart()->chart.seriesCount());
    } else {
        EXPECT_EQ(comparable(a.picture()), comparable(b.picture()));
    }
    EXPECT_EQ(b.tagX(), col);
    EXPECT_EQ(b.tagY(), row);
    const CellExtension *ea = a.extensionIfAny();
    const CellExtension *eb = b.extensionIfAny();
    if (a.kind() == CellKind::Chart) {
        ASSERT_TRUE(ea && eb);
        EXPECT_EQ(ea->chartInfo.titleText, eb->chartInfo.titleText);
        EXPECT_EQ(ea->chartInfo.horizontalText, eb->chartInfo.horizontalText);
        EXPECT_EQ(ea->chartInfo.verticalText, eb->chartInfo.verticalText);
        ASSERT_EQ(ea->seriesInfo.size(), eb->seriesInfo.size());
        for (qsizetype i = 0; i < ea->seriesInfo.size(); ++i) {
            EXPECT_EQ(ea->seriesInfo[i].seriesType, eb->seriesInfo[i].seriesType) << i;
            EXPECT_EQ(ea->seriesInfo[i].signText, eb->seriesInfo[i].signText) << i;
            EXPECT_EQ(ea->seriesInfo[i].dataText, eb->seriesInfo[i].dataText) << i;
        }
    }
}

void expectSameReport(const Report &expected, const Report &actual)
{
    ASSERT_EQ(expected.colCount(), actual.colCount());
    ASSERT_EQ(expected.rowCount(), actual.rowCount());
    ASSERT_EQ(actual.cells().colCount(), actual.colCount());
    ASSERT_EQ(actual.cells().rowCount(), actual.rowCount());
    EXPECT_EQ(expected.colRuler().panelRanges(), actual.colRuler().panelRanges());
    EXPECT_EQ(expected.rowRuler().panelRanges(), actual.rowRuler().panelRanges());
    EXPECT_EQ(expected.headerCount(), actual.headerCount());
    EXPECT_EQ(expected.footerCount(), actual.footerCount());
    EXPECT_EQ(expected.poleVisible(), actual.poleVisible());
    EXPECT_EQ(expected.initialScriptType(), actual.initialScriptType());
    EXPECT_EQ(expected.initialScriptText(), actual.initialScriptText());
    for (int c = 0; c < expected.colCount(); ++c)
        for (int r = 0; r < expected.rowCount(); ++r)
            expectSameCell(expected, actual, c, r);
}

} // namespace cellvex::test
