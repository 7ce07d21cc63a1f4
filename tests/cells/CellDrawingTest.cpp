#include "cells/CellDrawing.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace cellvex;

namespace {

QImage paint(const Cell &cell, int w = 80, int h = 19, ColorRef displayed = 0xFFFFFF)
{
    FontTable fonts;
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::green);
    QPainter p(&img);
    paintCell(p, cell, QRect(0, 0, w, h), displayed, fonts);
    return img;
}

bool black(const QImage &img, int x, int y) { return img.pixel(x, y) == qRgb(0, 0, 0); }

} // namespace

TEST(CellDrawing, DefaultCellDrawsLeftAndTopLinesOnly)
{
    const QImage img = paint(Cell());
    for (int y = 0; y < 19; ++y)
        EXPECT_TRUE(black(img, 0, y)) << y;
    for (int x = 0; x < 80; ++x)
        EXPECT_TRUE(black(img, x, 0)) << x;
    EXPECT_EQ(img.pixel(79, 10), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(40, 18), qRgb(255, 255, 255));
}

TEST(CellDrawing, BorderStripsAndDisplayedColour)
{
    Cell c;
    c.setBorders(0, 0, 2, 3);
    const QImage img = paint(c, 80, 19, 0x0000FF);
    EXPECT_FALSE(black(img, 0, 10));
    EXPECT_TRUE(black(img, 78, 5));
    EXPECT_TRUE(black(img, 79, 5));
    EXPECT_FALSE(black(img, 77, 5));
    EXPECT_TRUE(black(img, 10, 16));
    EXPECT_FALSE(black(img, 10, 15));
    EXPECT_EQ(img.pixel(40, 8), qRgb(255, 0, 0)); // the displayed colour, not the own one
}

TEST(CellDrawing, DiagonalGeometry)
{
    struct Case
    {
        int type;
        std::vector<QLine> lines;
    } cases[] = {
        {0, {}},
        {1, {QLine(1, 1, 80, 19)}},
        {2, {QLine(80, 1, 1, 19)}},
        {3, {QLine(1, 1, 48, 19), QLine(1, 1, 80, 11)}}, // 60 % of 80 and of 19 (11.4)
        {4, {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(diagonalLines(c.type, 80, 19, 1, 1, 0, 0), c.lines) << c.type;

    // Lines stop one pixel short of their end point.
    const auto px = linePixels(QLine(0, 0, 3, 0));
    EXPECT_EQ(px, (std::vector<QPoint>{{0, 0}, {1, 0}, {2, 0}}));
    EXPECT_TRUE(linePixels(QLine(2, 2, 2, 2)).empty());
    EXPECT_EQ(linePixels(QLine(0, 0, 4, 4)).back(), QPoint(3, 3));
}

TEST(CellDrawing, DiagonalIsDrawnBehindTheBorders)
{
    Cell c;
    c.setDiagonalType(1);
    const QImage img = paint(c, 40, 40);
    EXPECT_TRUE(black(img, 10, 10));
    EXPECT_TRUE(black(img, 38, 38));
    EXPECT_TRUE(black(img, 39, 39)); // (40, 40) is the end point and stays blank, outside anyway
    EXPECT_FALSE(black(img, 10, 30));
}

TEST(CellDrawing, TextIsInkedInTheFontColour)
{
    Cell c;
    c.storeCaption(QStringLiteral("WWWW"));
    const QImage img = paint(c);
    int ink = 0;
    for (int x = 1; x < 40; ++x)
        for (int y = 1; y < 19; ++y)
            ink += qGray(img.pixel(x, y)) < 128;
    EXPECT_GT(ink, 10);
    Cell box;
    box.setKind(CellKind::CheckBox);
    box.storeCaption(QStringLiteral("1"));
    const QImage boxImg = paint(box);
    int boxInk = 0;
    for (int x = 1; x < 40; ++x)
        for (int y = 1; y < 19; ++y)
            boxInk += qGray(boxImg.pixel(x, y)) < 128;
    EXPECT_EQ(boxInk, 0); // a check box's caption is not drawn as text
}
