#include "grid/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace cellvex;

TEST(NumberText, IsDigitsText)
{
    EXPECT_TRUE(isDigitsText(QStringLiteral("0")));
    EXPECT_TRUE(isDigitsText(QStringLiteral("0123456789")));
    EXPECT_FALSE(isDigitsText(QString()));
    EXPECT_FALSE(isDigitsText(QStringLiteral(" 1")));
    EXPECT_FALSE(isDigitsText(QStringLiteral("+1")));
    EXPECT_FALSE(isDigitsText(QStringLiteral("1.0")));
    // Full-width and other scripts' digits are not the digits 0-9.
    EXPECT_FALSE(isDigitsText(QStringLiteral("１２")));
    EXPECT_FALSE(isDigitsText(QStringLiteral("٣")));
}

TEST(NumberText, CleanNumberText)
{
    const struct
    {
        const char *in;
        const char *out;
    } cases[] = {
        {"  -12.5kg", "-12.5"}, {"1.2.3", "1.23"}, {"e5", "5"},   {"3e+5", "3e+5"}, {"3E-5", "3E-5"},
        {"-e5", "-5"},          {"+", "+"},        {".5", ".5"},  {".e5", ".e5"},   {"1e5e6", "1e56"},
        {"1e5.5", "1e55"},      {"1e+-5", "1e+5"}, {"1-2", "12"}, {"--1", "-1"},    {"abc", ""},
        {"1,234.5", "1234.5"},  {"１２", ""},      {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(cleanNumberText(QString::fromUtf8(c.in)), QString::fromUtf8(c.out)) << c.in;
}

TEST(NumberText, GeneralNumberText)
{
    const struct
    {
        double x;
        const char *text;
    } cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {1.0, "1"},
        {-2.5, "-2.5"},
        {0.1 + 0.2, "0.3"},
        {1234567.891, "1234567.891"},
        {1e20, "1E20"},
        {1.5e-7, "1.5E-7"},
        {0.0001, "0.0001"},
        {0.00005, "5E-5"},
        {-0.00005, "-5E-5"},
        {999999999999999.0, "999999999999999"},
        {1e15, "1E15"},
        {123456789012345678.0, "1.23456789012346E17"},
        {9999999999999999.0, "1E16"}, // rounds to 15 digits, then counts 16 integer digits
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {0.000099999999999999999, "0.0001"},
        {std::numeric_limits<double>::max(), "1.79769313486232E308"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(generalNumberText(c.x), QLatin1String(c.text)) << c.text;
}

TEST(NumberText, GeneralNumberTextOfNonNumbersIsReadable)
{
    EXPECT_EQ(generalNumberText(std::nan("")), QLatin1String("NAN"));
    EXPECT_EQ(generalNumberText(std::numeric_limits<double>::infinity()), QLatin1String("INF"));
    EXPECT_EQ(generalNumberText(-std::numeric_limits<double>::infinity()), QLatin1String("-INF"));
}

TEST(NumberText, ParseNumberText)
{
    const struct
    {
        const char *text;
        NumberParse result;
        double value;
    } cases[] = {
        {"12.5", NumberParse::Ok, 12.5},
        {" -3 ", NumberParse::Ok, -3},
        {"+.5", NumberParse::Ok, 0.5},
        {"1.", NumberParse::Ok, 1},
        {"3e+5", NumberParse::Ok, 3e5},
        {"2E-3", NumberParse::Ok, 2e-3},
        {"0e99999999999999999999", NumberParse::Ok, 0},
        {"1e-400", NumberParse::Ok, 0},
        {".", NumberParse::NotANumber, 0},
        {"1e", NumberParse::NotANumber, 0},
        {"1e+", NumberParse::NotANumber, 0},
        {"e5", NumberParse::NotANumber, 0},
        {"1.2.3", NumberParse::NotANumber, 0},
        {"inf", NumberParse::NotANumber, 0},
        {"nan", NumberParse::NotANumber, 0},
        {"", NumberParse::NotANumber, 0},
        {"1e400", NumberParse::OutOfRange, 0},
        {"1e99999999999999999999", NumberParse::OutOfRange, 0},
        {"0.000001e310", NumberParse::Ok, 1e304},
    };
    for (const auto &c : cases) {
        double v = -42;
        EXPECT_EQ(parseNumberText(QLatin1String(c.text), v), c.result) << c.text;
        if (c.result == NumberParse::Ok) {
            EXPECT_DOUBLE_EQ(v, c.value) << c.text;
        }
    }
}

TEST(NumberText, ParseHugeDigitRuns)
{
    // A pasted megabyte of digits reads as the (out of range) number it is.
    double v = 0;
    EXPECT_EQ(parseNumberText(QString(1000000, QLatin1Char('9')), v), NumberParse::OutOfRange);
    EXPECT_EQ(
        parseNumberText(QStringLiteral("0.") + QString(1000000, QLatin1Char('0')) + QStringLiteral("1"), v),
        NumberParse::Ok);
    EXPECT_EQ(v, 0.0);
}
