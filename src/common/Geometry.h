#pragma once

#include <cstdint>
#include <limits>

namespace cellvex {

// Pixel extents of a whole report are summed in 64 bit; anything handed to the
// window system must still fit a 32-bit coordinate.
constexpr std::int64_t kMaxPixelExtent = std::numeric_limits<std::int32_t>::max();

inline bool fitsPixelExtent(std::int64_t v)
{
    return v >= 0 && v <= kMaxPixelExtent;
}

} // namespace cellvex
