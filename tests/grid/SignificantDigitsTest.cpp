#include "common/DecimalDigits.h"
#include "grid/NumberFormats.h"

#include <gtest/gtest.h>

using namespace cellvex;

TEST(FormatSignificant, RoundsToTheCount)
{
    const struct
    {
        const char *text;
        const char *count;
        const char *result;
    } cases[] = {
        {"3.14159", "3", "3.14"},
        {"0.0012345", "2", "0.0012"},
        {"123456", "2", "120000"},
        {"9.96", "2", "10"},
        {"0.0996", "2", "0.10"},
        {"-2.5", "1", "-3"},
        {"9.99E20", "2", "1.0E21"},
        {"0", "3", ""},
        {"12345", "3", "12300"},
        {"0.000123456", "3", "0.000123"},
        {"9.996", "3", "10.0"},
        {"99.96", "3", "100"},
        {"0.000996", "2", "0.0010"},
        {"1.5E-7", "3", "1.50E-7"},
        {"9.96e-5", "2", "1.0E-4"},
        {"9.996E20", "3", "1.00E21"},
        {"1.234E20", "2", "1.2E20"},
        {"1.5E20", "1", "2E20"},
        {"3.14159", "20", "3.1415900000000000000"},
        {"3.14159", " 3 ", "3.14"}, // the count is read with blanks trimmed
        {"3.14159", "003", "3.14"},
        {"5", "0", ""},
        {"1e-17", "3", ""}, // below 1E-16 counts as nothing
        {"-0.00000000000000001", "3", ""},
        {"abc", "3", ""},
        {"1e", "3", ""},
        {"1e400", "3", ""},  // beyond the double range: not a number
        {"12345", "x", "x"}, // a count that is not digits is shown instead
        {"12345", " x ", " x "},
        {"12345", "", ""},
        {"12345", "-3", "-3"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(formatSignificant(QLatin1String(c.text), QLatin1String(c.count)), QLatin1String(c.result))
            << c.text << " N=" << c.count;
}

TEST(FormatSignificant, OneDigitCarriedIntoTheExponent)
{
    // Rounding 9.9E20 to one digit carries to ten: the result is 1E21, not 0E21.
    EXPECT_EQ(formatSignificant(QStringLiteral("9.9E20"), QStringLiteral("1")), QLatin1String("1E21"));
    EXPECT_EQ(formatSignificant(QStringLiteral("-9.5e-7"), QStringLiteral("1")), QLatin1String("-1E-6"));
}

TEST(FormatSignificant, HugeCountsDoNotExhaustMemory)
{
    EXPECT_EQ(formatSignificant(QStringLiteral("1.5"), QString::number(kMaxSignificantDigits)).size(),
              kMaxSignificantDigits + 1);
    EXPECT_EQ(formatSignificant(QStringLiteral("1.5"), QStringLiteral("2000000000")),
              QLatin1String("2000000000"));
    EXPECT_EQ(formatSignificant(QStringLiteral("1.5"), QStringLiteral("99999999999999999999999")),
              QLatin1String("99999999999999999999999"));
}

TEST(DecimalDigits, IncrementCarriesThroughNines)
{
    struct Case
    {
        const char *digits;
        const char *incremented;
        bool newLeadingDigit;
    } cases[] = {
        {"", "1", true},     {"0", "1", false},     {"9", "10", true},
        {"99", "100", true}, {"129", "130", false}, {"1999", "2000", false},
    };
    for (const Case &c : cases) {
        QString digits = QString::fromLatin1(c.digits);
        EXPECT_EQ(incrementDigits(digits), c.newLeadingDigit) << c.digits;
        EXPECT_EQ(digits, QString::fromLatin1(c.incremented)) << c.digits;
    }
}
