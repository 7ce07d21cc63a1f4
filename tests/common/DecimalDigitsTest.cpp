#include "common/DecimalDigits.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>

using namespace cellvex;

namespace {

// The reference: the C library's correctly rounded "%.*e", its digits with
// trailing zeros dropped and the place of the decimal point.
std::pair<QString, int> printfDigits(double x, int significant)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", significant - 1, x);
    QString digits;
    const char *p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            digits.append(QLatin1Char(*p));
    while (digits.endsWith(QLatin1Char('0')))
        digits.chop(1);
    return {digits, std::atoi(p + 1) + 1};
}

void expectLikePrintf(double x, int significant)
{
    const DecimalDigits d = DecimalDigits::fromDouble(x, significant);
    const auto [digits, pointPos] = printfDigits(x, significant);
    EXPECT_EQ(d.digits(), digits) << x << " to " << significant;
    EXPECT_EQ(d.pointPos(), pointPos) << x << " to " << significant;
}

} // namespace

// Whichever way the digits are written, they are the correctly rounded ones:
// values with short decimal texts, values that need all 17 digits, the edges
// of the double range and subnormals, at the digit counts the formats use.
TEST(DecimalDigits, RoundsLikeTheCLibrary)
{
    const double edges[] = {0.1,
                            0.3,
                            1.005,
                            2.675,
                            1234.5,
                            7007,
                            9.999999999999999,
                            1e15 - 0.5,
                            1e21,
                            123456789012345680.0,
                            DBL_MAX,
                            DBL_MIN,
                            DBL_MIN * 0.75,
                            DBL_TRUE_MIN,
                            4.9406564584124654e-320,
                            std::nextafter(1.0, 0.0),
                            std::nextafter(1.0, 2.0),
                            0.95,
                            0.05};
    for (double x : edges)
        for (int significant : {1, 2, 6, 14, 15, 16, 17})
            expectLikePrintf(x, significant);

    std::mt19937_64 random(20261211);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t bits = random();
        double any;
        std::memcpy(&any, &bits, sizeof any);
        const double cents = double(random() % 100000000) / std::pow(10.0, double(random() % 12));
        for (double x : {std::fabs(any), cents})
            if (std::isfinite(x) && x != 0)
                for (int significant : {1, 15, 17})
                    expectLikePrintf(x, significant);
    }
}
