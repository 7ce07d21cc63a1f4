#include "rulers/MillimetreStrip.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace cellvex;

namespace {

QImage strip(Orientation o, int length, int thickness, std::int64_t origin)
{
    const bool h = o == Orientation::Horizontal;
    QImage img(h ? length : thickness, h ? thickness : length, QImage::Format_RGB32);
    img.fill(Qt::gray);
    QPainter p(&img);
    drawMillimetreStrip(p, o, length, thickness, origin, 96.0);
    return img;
}

bool black(const QImage &img, int x, int y)
{
    return qGray(img.pixel(x, y)) < 64;
}

// Length of the dark run from the top (outer edge) of column x.
int outerTick(const QImage &img, int x)
{
    int n = 0;
    while (n < img.height() && black(img, x, n))
        ++n;
    return n;
}

} // namespace

TEST(MillimetreStrip, MarksAtRoundedMillimetres)
{
    EXPECT_EQ(millimetreMark(2, 96), 8);     // 7.559
    EXPECT_EQ(millimetreMark(10, 96), 38);   // 37.795
    EXPECT_EQ(millimetreMark(20, 96), 76);   // 75.59
    EXPECT_EQ(millimetreMark(127, 96), 480); // exactly 480
}

TEST(MillimetreStrip, HorizontalTicksAndInnerLine)
{
    const QImage img = strip(Orientation::Horizontal, 200, 14, 0);
    // Inner side: a black line along the bottom row.
    for (int x = 0; x < 200; x += 17)
        EXPECT_TRUE(black(img, x, 13)) << x;
    EXPECT_EQ(outerTick(img, 8), 3);  // 2 mm
    EXPECT_EQ(outerTick(img, 38), 5); // 10 mm
    EXPECT_TRUE(black(img, 38, 12));  // and its inner tick
    EXPECT_TRUE(black(img, 38, 8));
    EXPECT_FALSE(black(img, 38, 7));
    EXPECT_EQ(outerTick(img, 76), 2); // 20 mm: short ticks around the number
    EXPECT_FALSE(black(img, 37, 1));  // nothing between marks near the edge
    // The strip background is white, not the canvas colour.
    EXPECT_EQ(img.pixel(20, 13 - 4), qRgb(255, 255, 255));
}

TEST(MillimetreStrip, ScrolledStripStartsAtTheFirstVisibleMark)
{
    // Scrolled by 1000 pixels: 264 mm lies at 997.8 -> 998, i.e. x = -2
    // (hidden); 266 mm at 1005.35 -> 1005, x = 5; 270 mm at 1020.47 -> 1020, x = 20.
    const QImage img = strip(Orientation::Horizontal, 100, 14, 1000);
    EXPECT_EQ(outerTick(img, 5), 3);
    EXPECT_EQ(outerTick(img, 20), 5);
    EXPECT_EQ(outerTick(img, 13), 3); // 268 mm at 1012.9 -> 1013
}

TEST(MillimetreStrip, VerticalNumbersStandAlone)
{
    const QImage img = strip(Orientation::Vertical, 120, 16, 0);
    for (int y = 0; y < 120; y += 11)
        EXPECT_TRUE(black(img, 15, y)) << y;
    // 10 mm: five-pixel ticks from both edges at y = 38.
    EXPECT_TRUE(black(img, 0, 38));
    EXPECT_TRUE(black(img, 4, 38));
    EXPECT_FALSE(black(img, 5, 38));
    EXPECT_TRUE(black(img, 10, 38));
    // 20 mm has its number but no tick at the outer edge.
    EXPECT_FALSE(black(img, 0, 76));
    bool inked = false;
    for (int x = 1; x < 14; ++x)
        for (int y = 70; y < 83; ++y)
            inked = inked || black(img, x, y);
    EXPECT_TRUE(inked);
}
