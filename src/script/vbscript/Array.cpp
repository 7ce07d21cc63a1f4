#include "script/vbscript/Array.h"

namespace cellvex::vbs {

std::int64_t Array::countFor(const std::vector<std::int32_t> &bounds)
{
    std::int64_t n = 1;
    for (std::int32_t b : bounds) {
        if (b < -1) {
            return -1;
        }
        n *= std::int64_t(b) + 1;
        if (n > kMaxElements) {
            return -1;
        }
    }
    return n;
}

std::int64_t Array::offsetOf(const std::int32_t *subs, std::size_t n) const
{
    if (n != upper.size()) {
        return -1;
    }
    std::int64_t off = 0;
    for (std::size_t k = 0; k < n; ++k) {
        if (subs[k] < 0 || subs[k] > upper[k]) {
            return -1;
        }
        off = off * (std::int64_t(upper[k]) + 1) + subs[k];
    }
    return off;
}

Array *Array::clone() const
{
    auto *a = new Array;
    a->upper = upper;
    a->items = items;
    a->fixedSize = fixedSize;
    return a;
}

} // namespace cellvex::vbs
