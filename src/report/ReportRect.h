#pragma once

#include <cstdint>

namespace cellvex {

// Rectangle in report coordinates (from the leading edge of column 0 / row 0), 64 bit.
struct ReportRect
{
    std::int64_t x = 0, y = 0, width = 0, height = 0;
};

} // namespace cellvex
