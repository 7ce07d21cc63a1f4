#include "common/Colors.h"
#include "common/Fonts.h"
#include "common/Rounding.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QPalette>

#include <gtest/gtest.h>

using namespace cellvex;

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    const std::pair<double, std::int64_t> cases[] = {
        {0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {3.5, 4},
        {-0.5, 0},
        {-1.5, -2},
        {-2.5, -2},
        {2.4999, 2},
        {2.5001, 3},
        {-2.6, -3},
        {75.59055118110236, 76},
        {1e12 + 0.5, 1000000000000},
    };
    for (auto [v, expected] : cases)
        EXPECT_EQ(roundHalfEven(v), expected) << v;
    const std::pair<std::int64_t, std::int64_t> halves[] = {{5, 2},   {7, 4},   {6, 3},
                                                            {-5, -2}, {-7, -4}, {0, 0}};
    for (auto [v, expected] : halves)
        EXPECT_EQ(halfRoundedEven(v), expected) << v;
}

TEST(Colors, BgrValuesAndSystemColours)
{
    EXPECT_EQ(toQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(toQColor(0x9F683F), QColor(0x3F, 0x68, 0x9F));
    EXPECT_EQ(fromQColor(QColor(0x3F, 0x68, 0x9F)), 0x9F683Fu);
    EXPECT_TRUE(isSystemColor(kButtonFace));
    EXPECT_FALSE(isSystemColor(0xFFFFFF));
    EXPECT_EQ(toQColor(kButtonFace), QGuiApplication::palette().color(QPalette::Button));
}

TEST(Fonts, StoredNameSurvivesSubstitution)
{
    const QFont f = reportFont(kDefaultFontName, 9);
    EXPECT_EQ(f.family(), kDefaultFontName);
    EXPECT_EQ(f.pointSize(), 9);
    // The CJK family actually used for drawing is the installed one.
    EXPECT_TRUE(QFontInfo(f).family().contains(QStringLiteral("WenQuanYi")))
        << QFontInfo(f).family().toStdString();
    EXPECT_NE(QFontInfo(reportFont(QStringLiteral("Times New Roman"), 7)).family(), QString());
}
