#include "grid/NumberPattern.h"
#include "common/ReportError.h"
#include "grid/NumberFormats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <vector>

using namespace cellvex;

namespace {

struct PatternCase
{
    const char *pattern;
    double value;
    const char *text;
};

const PatternCase kPatternCases[] = {
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

void expectShaped(const PatternCase &c)
{
    EXPECT_EQ(formatNumberPattern(c.value, QString::fromUtf8(c.pattern)), QString::fromUtf8(c.text))
        << c.pattern << " " << c.value;
}

} // namespace

TEST(NumberPattern, Patterns)
{
    for (const auto &c : kPatternCases)
        expectShaped(c);
}

TEST(NumberPattern, PatternsUsedAgainAfterManyOthersShapeAsBefore)
{
    // Far more patterns than are kept parsed, back and forth and then in
    // turn with one another: a pattern met again, kept or parsed anew,
    // never takes the sections of another.
    const std::vector<PatternCase> cases(std::begin(kPatternCases), std::end(kPatternCases));
    for (auto it = cases.rbegin(); it != cases.rend(); ++it)
        expectShaped(*it);
    for (size_t i = 0; i < cases.size(); ++i) {
        expectShaped(cases[i]);
        expectShaped(cases[cases.size() - 1 - i]);
        expectShaped(cases[(i * 7) % cases.size()]);
    }
    // A long pattern, which is not kept, still shapes in full.
    const QString words(300, QLatin1Char('x'));
    EXPECT_EQ(formatNumberPattern(1.5, QStringLiteral("#,##0.00 '") + words + QLatin1Char('\'')),
              QStringLiteral("1.50 ") + words);
}

TEST(NumberPattern, APatternWhoseBufferChangesIsReadAnew)
{
    // A host's text may wrap a buffer that it later fills with another
    // pattern of the same length: what was parsed for the old text must not
    // answer for the new one.
    const struct
    {
        const char *pattern;
        double value;
        const char *text;
    } fills[] = {
        {"0.00", 1234.5, "1234.50"}, {"0E+0", 1234.5, "1E+3"}, {"0000", 7, "0007"}, {"0.00", 2, "2.00"}};
    QChar buffer[4];
    const QString raw = QString::fromRawData(buffer, 4);
    for (const auto &f : fills) {
        for (int i = 0; i < 4; ++i)
            buffer[i] = QLatin1Char(f.pattern[i]);
        EXPECT_EQ(formatPatternNumber(f.value, raw), QLatin1String(f.text)) << f.pattern;
    }
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
