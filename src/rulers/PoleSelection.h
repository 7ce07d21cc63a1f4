#pragma once

#include <cstdint>
#include <vector>

namespace cellvex {

// The highlighted poles of a ruler, held as sorted disjoint index ranges so
// that selecting a whole column of a million rows costs nothing per pole.
class PoleSelection
{
public:
    struct Range
    {
        int first;
        int last; // inclusive
    };

    void clear() { m_ranges.clear(); }
    bool isEmpty() const { return m_ranges.empty(); }

    // Replace with arbitrary indices (any order, duplicates allowed).
    void setIndices(std::vector<int> indices);
    void setRange(int first, int last);

    bool contains(int index) const;
    const std::vector<Range> &ranges() const { return m_ranges; }
    std::vector<int> indices() const;
    std::int64_t size() const;

    // Drops indices >= count (after poles were removed).
    void truncate(int count);

private:
    std::vector<Range> m_ranges;
};

} // namespace cellvex
