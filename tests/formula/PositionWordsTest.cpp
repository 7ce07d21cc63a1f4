#include "formula/PositionWords.h"

#include <gtest/gtest.h>

using namespace cellvex;

namespace {

const PositionWords kWords{3, 7, 40, 250};

TEST(PositionWords, Expansion)
{
    const struct
    {
        const char16_t *text;
        const char16_t *expanded;
    } cases[] = {
        {u"col", u"3"},
        {u" row-1 ", u"7-1"},
        {u"coux*couy", u"40*250"},
        {u"colrowcouxcouy", u"3740250"},
        {u"colx", u"3x"},
        {u"cocol", u"co3"},
        // Case-sensitive: formulas lower-case themselves first.
        {u"COL", u"COL"},
        {u"12", u"12"},
        {u"   ", u""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(expandPositionWords(c.text, kWords), QString::fromUtf16(c.expanded))
            << QString::fromUtf16(c.text).toStdString();
}

TEST(PositionWords, Coordinates)
{
    Coordinate c = evalCoordinate(u" col + 1 ", kWords);
    EXPECT_EQ(c.status, CoordinateStatus::Ok);
    EXPECT_EQ(c.value, 4);

    c = evalCoordinate(u"couy/4", kWords); // 62.5 rounds half to even
    EXPECT_EQ(c.value, 62);

    c = evalCoordinate(u" \t", kWords);
    EXPECT_EQ(c.status, CoordinateStatus::Empty);

    c = evalCoordinate(u"getcol()", kWords);
    EXPECT_EQ(c.status, CoordinateStatus::Failed);
    EXPECT_EQ(c.error, QStringLiteral("存在无效字符\"g\""));
}

} // namespace
