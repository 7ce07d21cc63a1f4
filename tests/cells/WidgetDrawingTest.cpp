#include "cells/WidgetDrawing.h"
#include "cells/CellDrawing.h"
#include "cells/CellWidgets.h"
#include "report/CellKindOps.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace cellvex;

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
QRgb face()
{
    return toQColor(kButtonFace).rgb();
}

QImage paint(const Report &r, int col, int row, ColorRef displayed = 0xFFFFFF, bool pressed = false)
{
    const QSize size(r.colWidth(col), r.rowHeight(row));
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::green);
    QPainter p(&img);
    paintCell(p, *r.cell(col, row), QRect(QPoint(0, 0), size), displayed, r.fonts(), pressed);
    return img;
}

// Dark pixels in a region: text and marks are inked, backgrounds are not.
int ink(const QImage &img, const QRect &region)
{
    int n = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x) {
            const QRgb px = img.pixel(x, y);
            n += qRed(px) < 100 && qGreen(px) < 100 && qBlue(px) < 100;
        }
    return n;
}

} // namespace

TEST(WidgetDrawing, DropButtonFollowsTheRightBorder)
{
    Report r;
    setDropCell(r, 0, 0, QStringLiteral("a"));
    QImage img = paint(r, 0, 0);
    EXPECT_EQ(img.pixel(70, 8), kBlack); // first arrow row, 7 wide
    EXPECT_EQ(img.pixel(76, 8), kBlack);
    EXPECT_EQ(img.pixel(77, 8), face());
    EXPECT_EQ(img.pixel(73, 11), kBlack); // the tip
    EXPECT_EQ(img.pixel(72, 11), face());
    EXPECT_EQ(img.pixel(66, 15), face()); // the strip starts 14 pixels from the right
    EXPECT_EQ(img.pixel(65, 15), kWhite);

    r.setCellBorders(0, 0, BorderRight, 2);
    r.setCellBorders(0, 0, BorderBottom, 3);
    img = paint(r, 0, 0);
    EXPECT_EQ(img.pixel(78, 8), kBlack); // the border
    EXPECT_EQ(img.pixel(77, 8), face()); // the button ends inside it
    EXPECT_EQ(img.pixel(64, 5), face());
    EXPECT_EQ(img.pixel(68, 6), kBlack); // the arrow moved with it
    EXPECT_EQ(img.pixel(71, 9), kBlack);

    img = paint(r, 0, 0, 0xFFFFFF, true);
    EXPECT_EQ(img.pixel(64, 1), qRgb(0x80, 0x80, 0x80)); // pressed: lowered bevel
    EXPECT_EQ(img.pixel(77, 15), kWhite);
}

TEST(WidgetDrawing, CheckBoxShowsTheCaptionStateAndLabel)
{
    Report r;
    setCheckCell(r, 0, 0, QString());
    setCheckCell(r, 0, 1, QStringLiteral("同意"));
    const QRect mark(4, 6, 7, 8); // inside the 13-pixel glyph at (1, 3)
    const QRect label(18, 1, 40, 17);

    QImage img = paint(r, 0, 0, 0x0000FF);
    EXPECT_EQ(ink(img, mark), 0);
    EXPECT_EQ(img.pixel(70, 10), qRgb(255, 0, 0)); // the displayed colour fills the box area
    EXPECT_EQ(img.pixel(0, 10), kBlack);           // borders stay
    EXPECT_EQ(ink(img, label), 0);

    r.setCellCaption(0, 0, QStringLiteral("1"));
    img = paint(r, 0, 0);
    EXPECT_EQ(img.pixel(6, 11), kBlack);
    EXPECT_EQ(ink(img, mark), 21);

    img = paint(r, 0, 1);
    EXPECT_GT(ink(img, label), 10);
}

TEST(WidgetDrawing, CheckBoxImageUsesTheCellsOwnColour)
{
    Report r;
    setCheckCell(r, 0, 0, QString());
    r.setCellCaption(0, 0, QStringLiteral("1"));
    r.setBackColor(0, 0, 0x00FFFF); // yellow
    r.setSelectionRect(0, 0, 0, 0);
    const QImage img = checkBoxImage(*r.cell(0, 0), 80, 19, r.fonts());
    ASSERT_EQ(img.size(), QSize(79, 18));
    EXPECT_EQ(img.pixel(70, 10), qRgb(255, 255, 0));
    EXPECT_EQ(img.pixel(5, 10), kBlack); // the mark, one pixel up and left of the cell's

    EXPECT_TRUE(checkBoxImage(*r.cell(0, 0), 1, 19, r.fonts()).isNull());  // no room inside the borders
    EXPECT_TRUE(checkBoxImage(*r.cell(1, 0), 80, 19, r.fonts()).isNull()); // no check box
}

TEST(WidgetDrawing, ButtonFaceCoversTheCellWithItsCaptionCentred)
{
    Report r;
    setButtonCell(r, 0, 0, QStringLiteral("OK"), QString());
    QImage img = paint(r, 0, 0);
    EXPECT_EQ(img.pixel(0, 10), face()); // over the border strips
    EXPECT_EQ(img.pixel(40, 0), face());
    EXPECT_EQ(ink(img, QRect(0, 0, 30, 19)), 0);
    EXPECT_EQ(ink(img, QRect(50, 0, 30, 19)), 0);
    EXPECT_GT(ink(img, QRect(30, 0, 20, 19)), 5);

    img = paint(r, 0, 0, 0xFFFFFF, true);
    EXPECT_EQ(img.pixel(0, 0), qRgb(0x80, 0x80, 0x80));
    EXPECT_EQ(img.pixel(79, 18), kWhite);

    // Without its face a button cell shows its name as centred text again.
    removeButtonFace(*r.cell(0, 0));
    img = paint(r, 0, 0);
    EXPECT_EQ(img.pixel(40, 0), kBlack);
    EXPECT_GT(ink(img, QRect(30, 1, 20, 18)), 5);
}

TEST(WidgetDrawing, PictureNaturalOrStretchedBehindTheBorders)
{
    QImage pic(4, 3, QImage::Format_RGB32);
    pic.fill(Qt::blue);
    Report r;
    showCellPicture(*r.cell(0, 0), pic, false);
    QImage img = paint(r, 0, 0);
    EXPECT_EQ(img.pixel(3, 2), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(40, 10), kWhite);
    EXPECT_EQ(img.pixel(0, 1), kBlack);

    showCellPicture(*r.cell(0, 0), pic, true);
    img = paint(r, 0, 0);
    EXPECT_EQ(img.pixel(40, 10), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(79, 18), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(10, 0), kBlack);
}
