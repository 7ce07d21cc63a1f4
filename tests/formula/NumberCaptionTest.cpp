#include "common/NumberCaption.h"

#include <QString>
#include <gtest/gtest.h>

#include <cmath>

using namespace cellvex;

namespace {

struct CaptionCase
{
    const char *text;
    CaptionNumber kind;
    double value = 0;
};

TEST(NumberCaption, ShapeAndValue)
{
    const CaptionCase cases[] = {
        {"12", CaptionNumber::Number, 12},
        {"-3.5", CaptionNumber::Number, -3.5},
        {".5", CaptionNumber::Number, 0.5},
        {"5.", CaptionNumber::Number, 5},
        {"+7", CaptionNumber::Number, 7},
        {"1e5", CaptionNumber::Number, 1e5},
        {"2.5E-3", CaptionNumber::Number, 2.5e-3},
        {"1e+2", CaptionNumber::Number, 100},
        {"-0", CaptionNumber::Number, 0},
        // Pass the test but are no numbers: an aggregate meeting them fails.
        {".", CaptionNumber::Unreadable},
        {"1e", CaptionNumber::Unreadable},
        {"1e-", CaptionNumber::Unreadable},
        {"-.", CaptionNumber::Unreadable},
        {".e5", CaptionNumber::Unreadable},
        // Refused by the test.
        {"", CaptionNumber::NotNumeric},
        {"1-2", CaptionNumber::NotNumeric},
        {"e5", CaptionNumber::NotNumeric},
        {"-", CaptionNumber::NotNumeric},
        {"+e5", CaptionNumber::NotNumeric},
        {"1.2.3", CaptionNumber::NotNumeric},
        {"1e2e3", CaptionNumber::NotNumeric},
        {"1e5.0", CaptionNumber::NotNumeric},
        {"--5", CaptionNumber::NotNumeric},
        {" 5", CaptionNumber::NotNumeric},
        {"5 ", CaptionNumber::NotNumeric},
        {"1,000", CaptionNumber::NotNumeric},
        {"abc", CaptionNumber::NotNumeric},
        {"１２", CaptionNumber::NotNumeric}, // full-width digits are not digits
    };
    for (const CaptionCase &c : cases) {
        const QString text = QString::fromUtf8(c.text);
        double value = -999;
        EXPECT_EQ(readCaptionNumber(text, value), c.kind) << c.text;
        EXPECT_EQ(isNumberText(text), c.kind != CaptionNumber::NotNumeric) << c.text;
        if (c.kind == CaptionNumber::Number) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
}

TEST(NumberCaption, OverflowIsNoNumberButUnderflowIsZero)
{
    double value = -1;
    EXPECT_FALSE(isNumberText(u"1e999"));
    EXPECT_FALSE(isNumberText(u"-1e400"));
    EXPECT_FALSE(isNumberText(QString(400, u'9')));
    EXPECT_TRUE(isNumberText(u"1.7976931348623157e308"));

    ASSERT_EQ(readCaptionNumber(u"1e-999", value), CaptionNumber::Number);
    EXPECT_EQ(value, 0);
    ASSERT_EQ(readCaptionNumber(u"-0.000001e-400", value), CaptionNumber::Number);
    EXPECT_EQ(value, 0);
    EXPECT_TRUE(std::signbit(value));
}

TEST(NumberCaption, LongCaptionsReadInFull)
{
    // Longer than any stack buffer a reader might use.
    const QString text = QStringLiteral("0.") + QString(200, u'0') + QStringLiteral("15e201");
    double value = 0;
    ASSERT_EQ(readCaptionNumber(text, value), CaptionNumber::Number);
    EXPECT_DOUBLE_EQ(value, 1.5);
}

} // namespace
