#include "rulers/SizeHintText.h"

#include <gtest/gtest.h>

using namespace cellvex;

TEST(SizeHintText, PixelsAndMillimetres)
{
    const struct
    {
        Orientation o;
        int px;
        const char *text;
    } cases[] = {
        {Orientation::Horizontal, 80, "宽度：80像素  21.2毫米"},
        {Orientation::Horizontal, 100, "宽度：100像素  26.5毫米"},
        {Orientation::Vertical, 19, "高度：19像素  5.0毫米"},
        {Orientation::Vertical, 2, "高度：2像素  0.5毫米"},
        {Orientation::Vertical, 0, "高度：0像素  0.0毫米"},
        // 6.35 and 19.05 mm exactly: halves go away from zero.
        {Orientation::Horizontal, 24, "宽度：24像素  6.4毫米"},
        {Orientation::Horizontal, 72, "宽度：72像素  19.1毫米"},
        {Orientation::Horizontal, 32767, "宽度：32767像素  8669.6毫米"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(sizeHintText(c.o, c.px), QString::fromUtf8(c.text)) << c.px;
}
