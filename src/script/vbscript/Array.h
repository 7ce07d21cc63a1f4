#pragma once

#include "script/vbscript/Value.h"

#include <vector>

namespace cellvex::vbs {

// A script array: zero-based, up to 60 dimensions, stored row-major with the
// last subscript varying fastest... as far as the script can tell, only the
// subscripts matter. Arrays are values in the language: a shared Array is
// copied before it is written (see Runtime::uniqueArray).
class Array : public RefCounted
{
public:
    // Largest element count a script may allocate; beyond it "Out of memory".
#ifndef CELLVEX_VBS_MAX_ELEMENTS
#define CELLVEX_VBS_MAX_ELEMENTS (std::int64_t(1) << 22)
#endif
    static constexpr std::int64_t kMaxElements = CELLVEX_VBS_MAX_ELEMENTS;
    static constexpr int kMaxDims = 60;

    std::vector<std::int32_t> upper; // upper bound per dimension, -1 for an empty one
    std::vector<Value> items;
    bool fixedSize = false; // declared with bounds by Dim: ReDim refuses it
    int locks = 0;          // For Each over it in progress

    // The element count for the bounds, or -1 when too large or negative.
    static std::int64_t countFor(const std::vector<std::int32_t> &bounds);
    // Offset of the element at the subscripts, or -1 when out of range.
    std::int64_t offsetOf(const std::int32_t *subs, std::size_t n) const;
    Array *clone() const;
};

} // namespace cellvex::vbs
