#pragma once

#include <cmath>
#include <cstdint>

namespace cellvex {

// The nearest integer with halves going to the even neighbour (2.5 -> 2,
// 3.5 -> 4, -2.5 -> -2). Written out instead of relying on the floating point
// environment's rounding mode, which a host may have changed.
inline std::int64_t roundHalfEven(double v)
{
    const double f = std::floor(v);
    const double diff = v - f;
    auto fi = static_cast<std::int64_t>(f);
    if (diff > 0.5)
        return fi + 1;
    if (diff < 0.5)
        return fi;
    return (fi % 2 == 0) ? fi : fi + 1;
}

// Integer division of a / 2 rounded half to even, for exact integer geometry.
inline std::int64_t halfRoundedEven(std::int64_t a)
{
    std::int64_t q = a / 2;
    std::int64_t r = a % 2;
    if (r == 0)
        return q;
    // a is odd: a / 2 is exactly x.5; pick the even neighbour.
    std::int64_t lo = (a < 0) ? q - 1 : q;
    return (lo % 2 == 0) ? lo : lo + 1;
}

} // namespace cellvex
