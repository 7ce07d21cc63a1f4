#include "grid/NumberPattern.h"
#include "common/ReportError.h"
#include "grid/NumberFormats.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace cellvex;

TEST(NumberPattern, Patterns)
{
    const struct
    {
        const char *pattern;
        double value;
        const char *text;
    } cases[] = {
        {"0.0", 21.1666, "21.2"},
        {"0.0", 0.05, "0.1"},    // halves go away from zero
        {"0.00", 1.005, "1.01"}, // rounded as written, not as the binary double
        {"0.00", 2.675, "2.68"},
        {"0.00", 1234.5, "1234.50"},
        {"0", 2.5, "3"},
        {"0", -2.5, "-3"},
        {"0", 0.4, "0"},
        {"#,##0.00", 1234567.891, "1,234,567.89"},
        {"#,##0.00", -1234.5, "-1,234.50"},
        {"#,##0.00", 0, "0.00"},
        {"#,##0", 999.5, "1,000"},
        {"#,#00000", 5, "00,005"},
        {"#.##", 5, "5"},
        {"#.##", 0.5, ".5"},
        {"0.##", 1.5, "1.5"},
        {"000", 7, "007"},
        {"000", 12345, "12345"},
        {".00", 12.5, "12.50"},
        {"0-000", 12345, "12-345"},
        {"'¥'#,##0.00", 1234, "¥1,234.00"},
        {"\"USD\" 0", 5, "USD 5"},
        {"0%", 5, "5%"},
        {"0.00;(0.00)", -1.5, "(1.50)"},
        {"0.00;(0.00)", 1.5, "1.50"},
        {"0.00;", -1, "-1.00"}, // empty negative section: the positive one with a minus
        {"0.00;;'zero'", 0, "zero"},
        {"0.00;;'zero'", -0.001, "zero"}, // rounds to zero: the zero section
        {"0.00;;'zero'", -1, "-1.00"},
        {"0.00;(0.00)", -0.001, "0.00"}, // rounds to zero: shown as zero, not as a negative
        {";(0.00)", -0.001, "0"},
        {";(0.00)", 2.5, "2.5"}, // an empty positive section writes the general text
        {"0.00E+00", 1234.5, "1.23E+03"},
        {"0.00E+00", 0.00012, "1.20E-04"},
        {"0.00E+00", 0, "0.00E+00"},
        {"0.0e-0", 1234.5, "1.2e3"},
        {"0.0e-0", 0.0012, "1.2e-3"},
        {"00.0E+0", 1234.5, "12.3E+2"},
        {"0.0E+0", 9.96, "1.0E+1"}, // rounding carries into the exponent
        {"", 1e20, "1E20"},
        {"", -0.5, "-0.5"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(formatNumberPattern(c.value, QString::fromUtf8(c.pattern)), QString::fromUtf8(c.text))
            << c.pattern << " " << c.value;
}

TEST(NumberPattern, NoMinusOnAValueShownAsZero)
{
    EXPECT_EQ(formatNumberPattern(-0.001, QStringLiteral("0.00")), QLatin1String("0.00"));
    EXPECT_EQ(formatNumberPattern(-0.4, QStringLiteral("0")), QLatin1String("0"));
}

TEST(NumberPattern, ExtremeValuesStayBounded)
{
    const QString big = formatNumberPattern(1e300, QStringLiteral("0"));
    EXPECT_EQ(big.size(), 301);
    EXPECT_TRUE(big.startsWith(QLatin1String("1000")));
    EXPECT_EQ(formatNumberPattern(std::nan(""), QStringLiteral("0.00")), QLatin1String("NAN"));
    EXPECT_EQ(formatNumberPattern(5e-324, QStringLiteral("0.00")), QLatin1String("0.00"));
}

TEST(FormatPatternNumber, MantissaShapedExponentKept)
{
    const struct
    {
        const char *text;
        const char *pattern;
        const char *result;
    } cases[] = {
        {"1234.5", "0.00", "1234.50"},
        {"1E20", "0.00", "1.00E20"},
        {"1e20", "#,##0.00", "1.00E20"},
        {"2e3", "0.00", "2000.00"},
        {"1.5e-7", "0.0", "1.5E-7"},
        {"-1.5e-7", "0.00", "-1.50E-7"},
        {"9.999e20", "0.00", "10.00E20"}, // the mantissa is shaped, the exponent left as it was
        {"1234567.891", "#,##0.00", "1,234,567.89"},
        {"+.5", "0.0", "0.5"},
        {"12.345", "", "12.345"},
        // A scientific pattern writes the whole value once instead of adding a
        // second exponent to a shaped mantissa.
        {"1234.5", "0.00E+00", "1.23E+03"},
        {"1E20", "0.00E+00", "1.00E+20"},
        // A literal "e" in the pattern is not taken for an exponent.
        {"5", "0.0 'each'", "5.0 each"},
        {"5", "0.0 each", "5.0 each"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(formatPatternNumber(QLatin1String(c.text), QLatin1String(c.pattern)),
                  QString::fromUtf8(c.result))
            << c.text << " " << c.pattern;
}

TEST(FormatPatternNumber, NonNumbersFailWithAMessage)
{
    for (const char *text : {"1e", ".", "1e+", "-", "abc"}) {
        try {
            formatPatternNumber(QLatin1String(text), QStringLiteral("0.00"));
            ADD_FAILURE() << text << " was accepted";
        } catch (const ReportError &e) {
            EXPECT_EQ(e.message(), QStringLiteral("“%1”不是有效的数字").arg(QLatin1String(text)));
        }
    }
    try {
        formatPatternNumber(QStringLiteral("1e400"), QStringLiteral("0.00"));
        ADD_FAILURE() << "1e400 was accepted";
    } catch (const ReportError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("数值“1e400”超出范围"));
    }
    // The message quotes a long text shortened.
    try {
        formatPatternNumber(QString(100000, QLatin1Char('9')), QStringLiteral("0"));
        ADD_FAILURE();
    } catch (const ReportError &e) {
        EXPECT_LT(e.message().size(), 60);
    }
}
