#include "print/PageRenderer.h"
#include "PagedReport.h"
#include "print/Pagination.h"
#include "report/CellInputOps.h"
#include "report/CellKindOps.h"
#include "report/ChartCellOps.h"
#include "report/PageSettings.h"
#include "report/Report.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace cellvex;

namespace {

// Two columns of 100 and two rows of 40 pixels on an A4 page (margins 76).
struct PageRendererFixture : ::testing::Test, test::PagedReport
{
    PageRendererFixture()
    {
        shape({100, 100}, {40, 40});
        report.setBackColor(0, 0, 0x0000FF); // red
        report.setCellBorders(0, 0, BorderLeft, 3);
        report.setCellCaption(0, 0, QStringLiteral("██████"));
    }

    QImage render(const RenderTarget &target = RenderTarget{})
    {
        paginate();
        QImage image(int(794 * target.scaleX), int(1123 * target.scaleY), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        PageRenderer(report, settings, pagination).drawPage(p, 0, 0, target);
        return image;
    }

    static int darkPixels(const QImage &img, const QRect &r)
    {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += qGray(img.pixel(x, y)) < 128 && qRed(img.pixel(x, y)) < 128 ? 1 : 0;
        return n;
    }
};

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
// Cell (0, 0) lies at x 76..175, y 76..115 on the page; its text sits left.
const QPoint kInside(170, 80);
const QPoint kLeftBorder(77, 100);
const QRect kTextArea(80, 78, 80, 36);

} // namespace

TEST_F(PageRendererFixture, PrintsBackgroundTextAndBordersAtTheMargins)
{
    const QImage img = render();
    EXPECT_EQ(img.pixel(kInside), kRed);
    EXPECT_EQ(img.pixel(kLeftBorder), kBlack);
    EXPECT_EQ(img.pixel(78, 100), kBlack); // 3 pixels wide
    EXPECT_EQ(img.pixel(100, 76), kBlack); // default top border
    EXPECT_GT(darkPixels(img, kTextArea), 20);
    EXPECT_EQ(img.pixel(75, 100), kWhite);  // nothing in the margin
    EXPECT_EQ(img.pixel(176, 100), kBlack); // cell (1, 0)'s left border
}

TEST_F(PageRendererFixture, PrintHiddenCellKeepsOnlyItsBorders)
{
    report.cell(0, 0)->setPrintHide(true);
    const QImage img = render();
    EXPECT_EQ(img.pixel(kInside), kWhite);
    EXPECT_EQ(img.pixel(kLeftBorder), kBlack);
    EXPECT_EQ(darkPixels(img, kTextArea), 0);
}

TEST_F(PageRendererFixture, SettingsTurnOffBackgroundsAndBorders)
{
    settings.printBackColor = false;
    QImage img = render();
    EXPECT_EQ(img.pixel(kInside), kWhite);
    EXPECT_EQ(img.pixel(kLeftBorder), kBlack);

    settings.printBackColor = true;
    settings.printBorders = false;
    img = render();
    EXPECT_EQ(img.pixel(kLeftBorder), kRed);
    EXPECT_EQ(img.pixel(176, 100), kWhite);
}

TEST_F(PageRendererFixture, PageTextsAreDrawnAtTheirMargins)
{
    settings.headerContent = QStringLiteral("██ @pno");
    settings.footerContent = QStringLiteral("██ @pages");
    const QImage img = render();
    // Header text from y 30, footer text from y 1123 - 44 = 1079, both at x 76.
    EXPECT_GT(darkPixels(img, QRect(76, 30, 40, 14)), 20);
    EXPECT_GT(darkPixels(img, QRect(76, 1079, 40, 14)), 20);
    EXPECT_EQ(darkPixels(img, QRect(0, 0, 794, 29)), 0);
}

TEST_F(PageRendererFixture, ThinBordersKeepOnePixelOnScreenButNotOnThePrinter)
{
    RenderTarget preview;
    preview.scaleX = preview.scaleY = 0.25;
    QImage img = render(preview);
    // Cell (1, 0) starts at page x 176 -> device 44; its 1-pixel border maps to 0.25.
    EXPECT_EQ(img.pixel(44, 26), kBlack);

    RenderTarget printer = preview;
    printer.forPrinter = true;
    img = render(printer);
    EXPECT_NE(img.pixel(44, 26), kBlack);
}

TEST_F(PageRendererFixture, PrinterOffsetShiftsThePage)
{
    RenderTarget printer;
    printer.forPrinter = true;
    printer.physicalOffset = QPoint(10, 20);
    const QImage img = render(printer);
    EXPECT_EQ(img.pixel(kLeftBorder - QPoint(10, 20)), kBlack);
    EXPECT_EQ(img.pixel(kInside - QPoint(10, 20)), kRed);
}

TEST_F(PageRendererFixture, HeaderRowsRepeatAboveEveryBodyBand)
{
    // Rows tall enough that each body row needs its own page.
    shape({100}, {40, 600, 600});
    report.setBackColor(0, 0, 0x0000FF);
    report.setHeaderCount(1);
    paginate();
    ASSERT_EQ(pagination.rowBandCount(), 2);
    QImage img(794, 1123, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    PageRenderer(report, settings, pagination).drawPage(p, 0, 1, RenderTarget{});
    p.end();
    EXPECT_EQ(img.pixel(150, 90), kRed);    // header row at the top margin
    EXPECT_EQ(img.pixel(100, 116), kBlack); // body row 2 directly below it
}

TEST_F(PageRendererFixture, CheckBoxPrintsEvenWhenTheCellIsPrintHidden)
{
    // Cell (1, 1) lies at x 176..275, y 116..155; no borders so only the box inks it.
    ASSERT_TRUE(setCheckCell(report, 1, 1, QStringLiteral("已核")));
    report.setCellCaption(1, 1, QStringLiteral("1"));
    report.cell(1, 1)->setPrintHide(true);
    settings.printBorders = false;
    const QRect inner(178, 118, 96, 36);
    EXPECT_GT(darkPixels(render(), inner), 10);

    ASSERT_TRUE(setTextCell(report, 1, 1, 0));
    report.cell(1, 1)->setPrintHide(true);
    EXPECT_EQ(darkPixels(render(), inner), 0); // the caption "1" itself stays hidden
}

TEST_F(PageRendererFixture, PictureAtNaturalSizeStaysInsideItsCell)
{
    QImage picture(300, 100, QImage::Format_RGB32);
    picture.fill(Qt::black);
    report.cell(0, 1)->setPicture(picture, false);
    QImage img = render();
    // Cell (0, 1): x 76..175, y 116..155; its neighbours keep their white.
    EXPECT_EQ(img.pixel(120, 130), kBlack);
    EXPECT_EQ(img.pixel(220, 130), kWhite);
    EXPECT_EQ(img.pixel(120, 170), kWhite);

    report.cell(0, 1)->setPrintHide(true);
    img = render();
    EXPECT_EQ(img.pixel(120, 130), kWhite);

    report.cell(0, 1)->setPrintHide(false);
    report.cell(0, 1)->setPicture(picture.scaled(10, 10), true);
    img = render();
    EXPECT_EQ(img.pixel(170, 150), kBlack); // stretched over the whole cell
}

TEST_F(PageRendererFixture, ChartCellsPrintTheirSnapshot)
{
    // A thick green line across the second cell's chart.
    ASSERT_TRUE(setChartCell(report, 1, 0, QString(), QString(), QString()));
    ASSERT_TRUE(addChartSeries(report, 1, 0, 1, QStringLiteral("2,65280,0,6"), QStringLiteral("0,0,1,1")));
    const QImage page = render();
    int green = 0;
    for (int y = 76; y < 116; ++y)
        for (int x = 176; x < 276; ++x) {
            const QColor c = page.pixelColor(x, y);
            green += c.green() > 180 && c.red() < 90 && c.blue() < 90 ? 1 : 0;
        }
    EXPECT_GT(green, 20);
    // Printed from the snapshot, which a print-hidden cell keeps off the page.
    report.setCellCaption(0, 0, QString());
    ASSERT_TRUE(setCellPrintHide(report, 1, 0, true));
    const QImage hidden = render();
    int stillGreen = 0;
    for (int y = 76; y < 116; ++y)
        for (int x = 176; x < 276; ++x)
            stillGreen += hidden.pixelColor(x, y).green() > 180 && hidden.pixelColor(x, y).red() < 90 ? 1 : 0;
    EXPECT_EQ(stillGreen, 0);
}
