#include "formula/Evaluator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using cellvex::evalExpression;
using cellvex::evalInteger;

namespace {

// The messages as users and stored reports see them, quote characters included.
const QString kParse = QStringLiteral("公式解析发生错误");
const QString kDivZero = QStringLiteral("除数为零");
const QString kZeroToZero = QStringLiteral("零的零次方无意义");
const QString kNoLog = QStringLiteral("零和负数没有自然对数");
const QString kNegRoot = QStringLiteral("不能取负数的平方根");
const QString kNegFac = QStringLiteral("不能取负数的阶乘");
const QString kNoClose = QStringLiteral("缺少“)”");
const QString kNoOpen = QStringLiteral("缺少“(”");
const QString kPoints = QStringLiteral("数字包含多个“.”");

QString invalid(const QString &c)
{
    return QStringLiteral("存在无效字符\"") + c + u'"';
}

struct Case
{
    QString text;
    double value;  // expected when error is empty
    QString error; // the exact message, or empty
    double tolerance = 0;
};

Case ok(const QString &text, double value, double tolerance = 0)
{
    return {text, value, QString(), tolerance};
}

Case fails(const QString &text, const QString &error)
{
    return {text, 0, error};
}

QString nested(int depth, const QString &inner)
{
    return QString(u'(').repeated(depth) + inner + QString(u')').repeated(depth);
}

constexpr double kTrig = 1e-15;

std::vector<Case> expressionCases()
{
    return {
        // Precedence and associativity.
        ok("2+3*4", 14),
        ok("(2+3)*4", 20),
        ok("2^3^2", 64),
        ok("2*3^2", 18),
        ok("8-2-1", 5),
        ok("10/4*2", 5),
        ok("2*3%4", 2),
        ok("7\\2*2", 6),
        ok("2+3*4^2-6/3", 48),
        ok("2*(3+4)^2 - sqrt(16)", 94),
        ok("2^sqrt 4*3", 12),
        // Integer quotient and remainder truncate toward zero; the remainder
        // is a-trunc(a/b)*b step by step, so 1%0.1 is 0, not fmod's 0.0999...
        ok("7\\2", 3),
        ok("-7\\2", -3),
        ok("7%3", 1),
        ok("-7%3", -1),
        ok("7.5%2", 1.5),
        ok("1%0.1", 0),
        // Signs: only first in the text or directly after "(".
        ok("-3+4", 1),
        ok("-(2+3)", -5),
        ok("-(-3)", 3),
        ok("-2^2", 4),
        ok("(-2)^3", -8),
        ok("2*(-3)", -6),
        ok("-pi", -3.141592653589793),
        ok("-sqrt 4", -2),
        ok("-fac 3", -6),
        ok("-ln 2", -0.6931471805599453, kTrig),
        fails("( -3)", kParse),
        fails(" -3", kParse),
        fails("2*-3", kParse),
        fails("2^-1", kParse),
        fails("0^-1", kParse),
        fails("--3", kParse),
        fails("10+-5", kParse),
        fails("+3", kParse),
        fails("-", kParse),
        fails("-()", kParse),
        fails("(-)", kParse),
        fails("1+(-())", kParse),
        // Missing operands.
        fails("*3", kParse),
        fails("3+", kParse),
        fails("2+3^", kParse),
        fails("sin", kParse),
        fails("sqrt -4", kParse),
        fails("abs -3", kParse),
        fails("sin cos 0", kParse),
        // A function without argument must not borrow the left operand.
        fails("1+sin cos 0", kParse),
        fails("2*sqrt abs 9", kParse),
        // Spaces and literals.
        ok("1 2 + 3", 15),
        ok("  2 +   3  ", 5),
        ok("1 . 5", 1.5),
        ok(".5", 0.5),
        ok("5.", 5),
        ok("", 0),
        ok("()", 0),
        ok("(())", 0),
        fails(".", kParse),
        fails("1.2.3", kPoints),
        fails("..", kPoints),
        fails("1.2.3e", invalid("e")), // the first error wins
        ok("0." + QString(u'0').repeated(400) + "1", 0),
        fails("1" + QString(u'0').repeated(400), kParse),
        // Names: case-insensitive, written without spaces, only where an
        // operand may begin.
        ok("SQRT(16)", 4),
        ok("sqrt 16", 4),
        ok("sqrt 4+1", 3),
        ok("Pi*2", 6.283185307179586),
        ok("ArcTan(1)", 0.7853981633974483, kTrig),
        ok("sin(cos(0))", 0.8414709848078965, kTrig),
        ok("sin 0 + cos 0", 1),
        ok("tan(0)", 0),
        ok("tan(pi/4)", 1, kTrig),
        ok("exp(1)", 2.718281828459045, kTrig),
        ok("abs(-3)", 3),
        fails("2pi", invalid("p")),
        fails("2 pi", invalid("p")),
        fails("pi2", invalid("2")),
        fails("pipi", invalid("p")),
        fails("(1)sin(2)", invalid("s")),
        fails("sq rt(4)", invalid("s")),
        fails("sin x", invalid("x")),
        fails("1e5", invalid("e")),
        // Invalid characters, one whole character in straight quotes.
        fails("(1)(2)", invalid("(")),
        fails("2(3)", invalid("(")),
        fails("(1)2", invalid("2")),
        fails("2 $ 3", invalid("$")),
        fails("2,5", invalid(",")),
        fails("\t1", invalid("\t")),
        fails(QStringLiteral("２"), invalid(QStringLiteral("２"))),
        fails(QStringLiteral("1+😀"), invalid(QStringLiteral("😀"))),
        // Parentheses.
        fails("3)", kNoOpen),
        fails("(2))", kNoOpen),
        fails("(3", kNoClose),
        fails("((2)", kNoClose),
        fails("5/0)", kNoOpen),
        ok(nested(128, "1"), 1),
        fails(nested(129, "1"), kParse),
        fails(QString(u'(').repeated(100000), kParse),
        // Division and powers.
        fails("5/0", kDivZero),
        fails("5\\0", kDivZero),
        fails("5%0", kDivZero),
        fails("(1/0", kDivZero),
        fails("0^0", kZeroToZero),
        fails("0^(-1)", kDivZero),
        ok("0^2", 0),
        ok("0^0.5", 0),
        ok("5^0", 1),
        ok("2^(-2)", 0.25),
        ok("(-2)^(-3)", -0.125),
        ok("1.1^10", 2.5937424601000023),
        ok("2^0.5", 1.4142135623730951, kTrig),
        ok("2^1023", 8.98846567431158e307),
        ok("(-1)^(10^20)", 1),
        ok("(-1)^(2^52+1)", -1),
        ok("0.5^(10^15)", 0),
        fails("(-8)^0.5", kParse),
        // Overflow anywhere is the general error; huge exponents and
        // factorials stop early instead of running for billions of steps.
        fails("2^1024", kParse),
        fails("1.0000001^(10^15)", kParse),
        fails("10^308*10", kParse),
        fails("10^308+10^308", kParse),
        fails("exp(710)", kParse),
        ok("exp(-1000)", 0),
        fails("2^(10^308)", kParse),
        // Functions.
        ok("fac(3.5)", 24),
        ok("fac(2.5)", 2),
        ok("fac(0)", 1),
        ok("fac(-0.5)", 1),
        ok("fac(170)", 7.257415615307994e306, 1e-15),
        fails("fac(171)", kParse),
        fails("fac(10^300)", kParse),
        fails("fac(-1)", kNegFac),
        fails("fac(-0.6)", kNegFac),
        fails("fac(-(10^300))", kNegFac),
        fails("ln(0)", kNoLog),
        fails("ln(-1)", kNoLog),
        fails("sqrt(-4)", kNegRoot),
    };
}

TEST(EvalExpression, TextGivesValueOrExactMessage)
{
    for (const Case &c : expressionCases()) {
        SCOPED_TRACE(c.text.left(60).toStdString());
        const auto result = evalExpression(c.text);
        EXPECT_EQ(result.error.toStdString(), c.error.toStdString());
        if (c.error.isEmpty() && c.tolerance == 0)
            EXPECT_EQ(result.value, c.value);
        else if (c.error.isEmpty())
            EXPECT_NEAR(result.value, c.value, c.tolerance * std::fabs(c.value) + c.tolerance);
        else
            EXPECT_EQ(result.value, 0);
    }
}

TEST(EvalExpression, FailureLeavesNothingForTheNextEvaluation)
{
    ASSERT_FALSE(evalExpression(QStringLiteral("-(1+(2*")).ok());
    const auto after = evalExpression(QStringLiteral("3"));
    EXPECT_TRUE(after.ok());
    EXPECT_EQ(after.value, 3);
}

TEST(EvalInteger, TrimsRoundsHalfToEvenAndSaturates)
{
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    struct IntCase
    {
        const char *text;
        std::int32_t value;
        QString error;
    };
    const IntCase cases[] = {
        {"  2.5  ", 2, {}},
        {"3.5", 4, {}},
        {"-2.5", -2, {}},
        {"2.6", 3, {}},
        {"", 0, {}},
        {" \t ", 0, {}},
        {" -3 ", -3, {}},
        {"\t7\n", 7, {}},
        {"2147483647", kMax, {}},
        {"2147483647.5", kMax, {}},
        {"2147483648", kMax, {}},
        {"10^20", kMax, {}},
        {"-2147483648", kMin, {}},
        {"-2147483649", kMin, {}},
        {"-(10^300)", kMin, {}},
        {"1/0", 0, kDivZero},
        {"col+1", 0, invalid("c")},
        {"1+", 0, kParse},
    };
    for (const IntCase &c : cases) {
        SCOPED_TRACE(c.text);
        const auto result = evalInteger(QString::fromUtf8(c.text));
        EXPECT_EQ(result.error.toStdString(), c.error.toStdString());
        EXPECT_EQ(result.value, c.value);
    }
}

} // namespace
