#include "PoleSelection.h"

#include <algorithm>

namespace cellvex {

void PoleSelection::setIndices(std::vector<int> indices)
{
    m_ranges.clear();
    std::sort(indices.begin(), indices.end());
    for (int i : indices) {
        if (i < 0)
            continue;
        if (!m_ranges.empty() && i <= m_ranges.back().last + 1) {
            m_ranges.back().last = std::max(m_ranges.back().last, i);
            continue;
        }
        m_ranges.push_back({i, i});
    }
}

void PoleSelection::setRange(int first, int last)
{
    m_ranges.clear();
    if (first > last)
        std::swap(first, last);
    if (last < 0)
        return;
    m_ranges.push_back({std::max(first, 0), last});
}

bool PoleSelection::contains(int index) const
{
    auto it = std::upper_bound(m_ranges.begin(), m_ranges.end(), index,
                               [](int v, const Range &r) { return v < r.first; });
    if (it == m_ranges.begin())
        return false;
    --it;
    return index <= it->last;
}

std::vector<int> PoleSelection::indices() const
{
    std::vector<int> out;
    for (const Range &r : m_ranges)
        for (int i = r.first; i <= r.last; ++i)
            out.push_back(i);
    return out;
}

std::int64_t PoleSelection::size() const
{
    std::int64_t n = 0;
    for (const Range &r : m_ranges)
        n += std::int64_t(r.last) - r.first + 1;
    return n;
}

void PoleSelection::truncate(int count)
{
    while (!m_ranges.empty() && m_ranges.back().first >= count)
        m_ranges.pop_back();
    if (!m_ranges.empty() && m_ranges.back().last >= count)
        m_ranges.back().last = count - 1;
}

} // namespace cellvex
