#include "report/PaperTable.h"
#include "report/PaperLength.h"

#include <gtest/gtest.h>

#include <limits>

using namespace cellvex;

TEST(PaperTable, NamedEntriesCarryTheirSizesAndEveryOtherCodeIsEmpty)
{
    struct Case
    {
        int index;
        const char *name, *width, *height;
    };
    const Case cases[] = {
        {1, "Letter 8 1/2 × 11 in", "215.9", "279.4"},
        {8, "A3 297 × 420 mm", "297.0", "420.0"},
        {9, "A4 210 × 297 mm", "210.0", "297.0"},
        {18, "Note 8 1/2 × 11 in", "215.9", "279.0"},
        {35, "Envelope B6 176 × 125 mm", "176.0", "125.0"},
        {40, "German Std Fanfold 8 1/2 × 12 in", "215.9", "292.1"},
        {41, "German Legal Fanfold 8 1/2 × 13 in", "215.9", "304.9"},
        {256, "自定义纸张 mm × mm", "", ""},
    };
    for (const Case &c : cases) {
        const PaperType &p = PaperTable::entry(c.index);
        EXPECT_EQ(p.name, QString::fromUtf8(c.name)) << c.index;
        EXPECT_EQ(p.width, QString::fromUtf8(c.width)) << c.index;
        EXPECT_EQ(p.height, QString::fromUtf8(c.height)) << c.index;
    }
    int named = 0;
    for (int i = -1; i <= PaperTable::kSize; ++i)
        named += PaperTable::hasName(i) ? 1 : 0;
    EXPECT_EQ(named, 42); // codes 1..41 and the custom paper
    for (int i : {0, 42, 100, 255, 257, -1})
        EXPECT_FALSE(PaperTable::hasName(i)) << i;
}

TEST(PaperTable, NamesUseTheMultiplicationSignAsOneDoubleByteCharacter)
{
    const QString name = PaperTable::entry(9).name;
    EXPECT_TRUE(name.contains(QChar(0x00D7)));
    EXPECT_FALSE(name.contains(QLatin1Char('x')));
}

TEST(PaperTable, LookupByNameFindsTheFirstExactMatch)
{
    EXPECT_EQ(PaperTable::indexOfName(QStringLiteral("A4 210 × 297 mm")), 9);
    EXPECT_EQ(PaperTable::indexOfName(QStringLiteral("a4 210 × 297 mm")), -1); // exact, case matters
    EXPECT_EQ(PaperTable::indexOfName(QStringLiteral("自定义纸张 mm × mm")), 256);
    EXPECT_EQ(PaperTable::indexOfName(QString()), 0); // empty entries have empty names
    EXPECT_EQ(PaperTable::indexOfName(QStringLiteral("Unknown")), -1);
}

TEST(PaperTable, PrinterPaperCodeFallsBackToA4AndNeverSendsTheEmptyCode)
{
    EXPECT_EQ(PaperTable::printerPaperCode(QStringLiteral("A3 297 × 420 mm")), 8);
    EXPECT_EQ(PaperTable::printerPaperCode(QStringLiteral("自定义纸张 mm × mm")), 256);
    EXPECT_EQ(PaperTable::printerPaperCode(QStringLiteral("Unknown")), 9);
    EXPECT_EQ(PaperTable::printerPaperCode(QString()), 9);
}

TEST(PaperLength, FormatsTheShortestDecimalText)
{
    const std::pair<double, const char *> cases[] = {
        {20, "20"},         {12.5, "12.5"},
        {11.6, "11.6"},     {0.1 + 0.2, "0.3"},
        {-3.25, "-3.25"},   {-0.0, "0"},
        {0.0001, "0.0001"}, {0.00001, "1E-5"},
        {1e20, "1E20"},     {123456789012345678.0, "1.23456789012346E17"},
    };
    for (const auto &[mm, text] : cases)
        EXPECT_EQ(formatMillimetres(mm), QString::fromLatin1(text)) << mm;
}

TEST(PaperLength, ParsesOnlyFiniteNumbers)
{
    EXPECT_EQ(parseMillimetres(QStringLiteral("11.6")), 11.6);
    EXPECT_EQ(parseMillimetres(QStringLiteral(" 20 ")), 20.0);
    EXPECT_EQ(parseMillimetres(QStringLiteral("1E-5")), 1e-5);
    for (const char *bad : {"", "abc", "20,0", "20mm", "nan", "inf", "1e400"})
        EXPECT_FALSE(parseMillimetres(QString::fromLatin1(bad)).has_value()) << bad;
}

TEST(PaperLength, PixelsRoundHalvesToEvenAndStayInCoordinateRange)
{
    struct Case
    {
        double mm;
        int ppi;
        std::int64_t px;
    };
    const std::int64_t max32 = std::numeric_limits<std::int32_t>::max();
    const Case cases[] = {
        {210, 96, 794}, {297, 96, 1123},    {20, 96, 76},         {8, 96, 30},   {11.6, 96, 44},
        {-20, 96, -76}, {63.5, 1, 2},       {0.5, 127, 2},        {0.3, 127, 2}, {0.7, 127, 4},
        {139.7, 1, 6},  {1e300, 96, max32}, {-1e300, 96, -max32},
    };
    for (const Case &c : cases)
        EXPECT_EQ(millimetresToPixels(c.mm, c.ppi), c.px) << c.mm << " mm at " << c.ppi;
}

TEST(PaperLength, TextThatIsNoNumberHasNoPixels)
{
    EXPECT_EQ(PaperLength::fromText(QStringLiteral("x"), 96).pixels, 0);
    const PaperLength l = PaperLength::fromMillimetres(25, 96);
    EXPECT_EQ(l.text, QStringLiteral("25"));
    EXPECT_EQ(l.pixels, 94);
}
