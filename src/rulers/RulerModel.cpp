#include "RulerModel.h"

#include <algorithm>

namespace cellvex {

RulerModel::RulerModel(Orientation orientation) : m_orientation(orientation), m_edges(1, 0) {}

void RulerModel::changed()
{
    if (m_listener)
        m_listener->rulerChanged(m_orientation);
}

void RulerModel::highlightChanged(int first, int last)
{
    if (first > last)
        return;
    if (m_listener)
        m_listener->highlightChanged(m_orientation, first, last);
}

void RulerModel::setColor(ColorRef c)
{
    m_color = c;
    changed();
}

void RulerModel::invalidateEdgesFrom(int i)
{
    m_edges.resize(m_poleLens.size() + 1);
    m_edges[0] = 0;
    m_edgesValidUpTo = std::min(m_edgesValidUpTo, std::max(i, 0));
    m_edgesValidUpTo = std::min(m_edgesValidUpTo, count());
}

std::int64_t RulerModel::poleEdge(int i) const
{
    if (i <= 0)
        return 0;
    if (i > count())
        i = count();
    while (m_edgesValidUpTo < i) {
        const int k = m_edgesValidUpTo;
        m_edges[size_t(k) + 1] = m_edges[size_t(k)] + m_poleLens[size_t(k)] + m_splitLens[size_t(k)];
        ++m_edgesValidUpTo;
    }
    return m_edges[size_t(i)];
}

std::vector<std::int64_t> RulerModel::poleEdges() const
{
    poleEdge(count());
    return std::vector<std::int64_t>(m_edges.begin(), m_edges.begin() + count());
}

std::vector<int> RulerModel::panelRanges() const
{
    std::vector<int> r(m_poleLens.size());
    for (size_t i = 0; i < r.size(); ++i)
        r[i] = m_poleLens[i] + m_splitLens[i];
    return r;
}

int RulerModel::poleAtOffset(std::int64_t offset) const
{
    const int n = count();
    if (n == 0 || offset < 0)
        return -1;
    poleEdge(n);
    if (offset >= m_edges[size_t(n)])
        return -1;
    // The last edge not beyond the offset; zero-length poles share an edge
    // with their successor, so upper_bound lands after them.
    auto it = std::upper_bound(m_edges.begin(), m_edges.begin() + n + 1, offset);
    return int(it - m_edges.begin()) - 1;
}

void RulerModel::splitRangeInto(int range, int &pole, int &split) const
{
    if (range < 0)
        range = 0;
    split = range == 0 ? 0 : std::min(m_splitRange, range);
    pole = range - split;
}

void RulerModel::setCount(int n)
{
    if (n < 0)
        n = 0;
    m_poleLens.assign(size_t(n), defaultPoleLength());
    m_splitLens.assign(size_t(n), m_splitRange);
    m_selected.truncate(n);
    invalidateEdgesFrom(0);
    recalcDisplayCount();
    recalcLastCount();
    changed();
}

void RulerModel::setMargin(int m)
{
    m_margin = m;
    changed();
}

void RulerModel::setPoleRuler(int r)
{
    m_poleRuler = r < 0 ? 0 : r;
    changed();
}

void RulerModel::setLength(std::int64_t len)
{
    m_length = len < 0 ? 0 : len;
    recalcDisplayCount();
    recalcLastCount();
    changed();
}

void RulerModel::setDisplayIndex(int d)
{
    const int n = count();
    if (n == 0)
        d = 0;
    else
        d = std::clamp(d, 0, n - 1);
    m_displayIndex = d;
    m_scrollOffset = poleEdge(d);
    recalcDisplayCount();
    changed();
}

void RulerModel::loadFilePole(const std::vector<int> &ranges)
{
    m_selected.clear();
    m_displayIndex = 0;
    m_scrollOffset = 0;
    m_poleLens.resize(ranges.size());
    m_splitLens.resize(ranges.size());
    for (size_t i = 0; i < ranges.size(); ++i) {
        int pole = 0;
        int split = 0;
        splitRangeInto(ranges[i], pole, split);
        m_poleLens[i] = pole;
        m_splitLens[i] = split;
    }
    m_poleLens.shrink_to_fit();
    m_splitLens.shrink_to_fit();
    invalidateEdgesFrom(0);
    m_edges.shrink_to_fit();
    recalcDisplayCount();
    recalcLastCount();
    changed();
}

void RulerModel::insertPole(int poleIndex, int addCount)
{
    if (addCount <= 0 || poleIndex < 0 || poleIndex > count())
        return;
    // New faces take the default length at the insertion point; the split
    // handles keep their lengths by position and the new ones are appended.
    m_poleLens.insert(m_poleLens.begin() + poleIndex, size_t(addCount), defaultPoleLength());
    m_splitLens.insert(m_splitLens.end(), size_t(addCount), m_splitRange);
    invalidateEdgesFrom(poleIndex);
    announceInsert(poleIndex, addCount);
}

void RulerModel::deletePole(int poleIndex, int deleteCount)
{
    const int before = count();
    if (deleteCount <= 0 || poleIndex < 0 || poleIndex >= before)
        return;
    deleteCount = std::min(deleteCount, before - poleIndex);
    const bool hadSelection = !m_selected.isEmpty();
    m_selected.clear();
    const std::int64_t delRange = poleEdge(poleIndex + deleteCount) - poleEdge(poleIndex);
    m_poleLens.erase(m_poleLens.begin() + poleIndex, m_poleLens.begin() + poleIndex + deleteCount);
    m_splitLens.erase(m_splitLens.end() - deleteCount, m_splitLens.end());
    invalidateEdgesFrom(poleIndex);
    recalcLastCount();
    if (hadSelection)
        changed();
    announceDelete(poleIndex, deleteCount, before, delRange);
}

void RulerModel::announceInsert(int poleIndex, int addCount)
{
    if (m_listener)
        m_listener->polesInserted(m_orientation, poleIndex, addCount);
    recalcDisplayCount();
    recalcLastCount();
    changed();
}

void RulerModel::announceDelete(int poleIndex, int deleteCount, int before, std::int64_t delRange)
{
    if (m_listener)
        m_listener->polesDeleted(m_orientation, poleIndex, deleteCount, before, delRange);
    recalcDisplayCount();
    changed();
}

void RulerModel::reserveFor(size_t poles)
{
    m_poleLens.reserve(poles);
    m_splitLens.reserve(poles);
    m_edges.reserve(poles + 1);
}

void RulerModel::followDisplayIndex()
{
    m_displayIndex = std::clamp(m_displayIndex, 0, std::max(count() - 1, 0));
    m_scrollOffset = poleEdge(m_displayIndex);
}

void RulerModel::insertDefaultPoles(int poleIndex, int addCount)
{
    if (addCount <= 0 || poleIndex < 0 || poleIndex > count())
        return;
    reserveFor(m_poleLens.size() + size_t(addCount));
    m_poleLens.insert(m_poleLens.begin() + poleIndex, size_t(addCount), defaultPoleLength());
    m_splitLens.insert(m_splitLens.begin() + poleIndex, size_t(addCount), m_splitRange);
    invalidateEdgesFrom(poleIndex);
    // Highlights at or after the insertion point now name other poles; the
    // caller marks the selection again. Appending leaves them alone.
    const auto &ranges = m_selected.ranges();
    if (!ranges.empty() && ranges.back().last >= poleIndex)
        m_selected.clear();
    followDisplayIndex();
    announceInsert(poleIndex, addCount);
}

void RulerModel::removePoles(int poleIndex, int deleteCount)
{
    const int before = count();
    if (deleteCount <= 0 || poleIndex < 0 || poleIndex >= before)
        return;
    deleteCount = std::min(deleteCount, before - poleIndex);
    const std::int64_t delRange = poleEdge(poleIndex + deleteCount) - poleEdge(poleIndex);
    m_poleLens.erase(m_poleLens.begin() + poleIndex, m_poleLens.begin() + poleIndex + deleteCount);
    m_splitLens.erase(m_splitLens.begin() + poleIndex, m_splitLens.begin() + poleIndex + deleteCount);
    invalidateEdgesFrom(poleIndex);
    m_selected.clear();
    followDisplayIndex();
    recalcLastCount();
    announceDelete(poleIndex, deleteCount, before, delRange);
}

void RulerModel::setPoleRange(int poleIndex, int range)
{
    if (poleIndex < 0 || poleIndex >= count())
        return;
    int pole = 0;
    int split = 0;
    splitRangeInto(range, pole, split);
    if (m_poleLens[size_t(poleIndex)] == pole && m_splitLens[size_t(poleIndex)] == split)
        return;
    m_poleLens[size_t(poleIndex)] = pole;
    m_splitLens[size_t(poleIndex)] = split;
    invalidateEdgesFrom(poleIndex);
    recalcDisplayCount();
    recalcLastCount();
    changed();
}

void RulerModel::setPoleRanges(int first, int last, int range)
{
    first = std::max(first, 0);
    last = std::min(last, count() - 1);
    if (first > last)
        return;
    int pole = 0;
    int split = 0;
    splitRangeInto(range, pole, split);
    std::fill(m_poleLens.begin() + first, m_poleLens.begin() + last + 1, pole);
    std::fill(m_splitLens.begin() + first, m_splitLens.begin() + last + 1, split);
    invalidateEdgesFrom(first);
    recalcDisplayCount();
    recalcLastCount();
    changed();
}

int RulerModel::getDisplayIndex(int first, int last) const
{
    const int n = count();
    if (n == 0)
        return 0;
    first = std::clamp(first, 0, n - 1);
    last = std::clamp(last, first, n - 1);
    const std::int64_t span = poleEdge(last + 1) - poleEdge(first);
    if (first < m_displayIndex)
        return first;
    if (m_length < span)
        return first;
    // Smallest i >= DisplayIndex with PoleEdge[i] >= PoleEdge[last + 1] - length.
    const std::int64_t need = poleEdge(last + 1) - m_length;
    poleEdge(n);
    auto begin = m_edges.begin() + m_displayIndex;
    auto end = m_edges.begin() + first + 1;
    auto it = std::lower_bound(begin, end, need);
    return int(it - m_edges.begin());
}

void RulerModel::recalcDisplayCount()
{
    const int n = count();
    if (n == 0 || m_displayIndex >= n) {
        m_displayCount = 0;
    } else {
        // The first pole from DisplayIndex on whose far edge passes the view.
        const std::int64_t limit = m_length + m_scrollOffset;
        int lo = m_displayIndex;
        int hi = n; // answer in [lo, n]; n means none passes
        while (lo < hi) {
            const int mid = lo + (hi - lo) / 2;
            if (poleEdge(mid + 1) > limit)
                hi = mid;
            else
                lo = mid + 1;
        }
        m_displayCount = lo - m_displayIndex;
    }
    if (m_listener)
        m_listener->displayCountChanged(m_orientation, m_displayCount);
}

void RulerModel::recalcLastCount()
{
    const int n = count();
    if (n == 0) {
        m_lastCount = 0;
        return;
    }
    std::int64_t sum = 0;
    for (int i = n - 1; i >= 0; --i) {
        sum += panelRange(i);
        if (sum > m_length) {
            m_lastCount = (i == n - 1) ? 1 : n - i - 1;
            return;
        }
    }
    m_lastCount = n;
}

void RulerModel::setSelected(const std::vector<int> &indices)
{
    const PoleSelection old = m_selected;
    std::vector<int> valid;
    valid.reserve(indices.size());
    for (int i : indices)
        if (i >= 0 && i < count())
            valid.push_back(i);
    m_selected.setIndices(std::move(valid));
    for (const auto &r : old.ranges())
        highlightChanged(r.first, r.last);
    for (const auto &r : m_selected.ranges())
        highlightChanged(r.first, r.last);
}

void RulerModel::setSelectedRange(int first, int last)
{
    if (first > last)
        std::swap(first, last);
    const PoleSelection old = m_selected;
    first = std::max(first, 0);
    last = std::min(last, count() - 1);
    if (first > last)
        m_selected.clear();
    else
        m_selected.setRange(first, last);
    for (const auto &r : old.ranges())
        highlightChanged(r.first, r.last);
    for (const auto &r : m_selected.ranges())
        highlightChanged(r.first, r.last);
}

void RulerModel::clearSelection()
{
    const PoleSelection old = m_selected;
    m_selected.clear();
    for (const auto &r : old.ranges())
        highlightChanged(r.first, r.last);
}

void RulerModel::setMoveSelected(int first, int last)
{
    if (first > last)
        std::swap(first, last);
    first = std::max(first, 0);
    last = std::min(last, count() - 1);
    if (m_selected.ranges().size() != 1 || first > last) {
        setSelectedRange(first, last);
        return;
    }
    const int oldFirst = m_selected.ranges().front().first;
    const int oldLast = m_selected.ranges().front().last;
    m_selected.setRange(first, last);
    // Leaving: [old first, new first) and (new last, old last];
    // entering: [new first, old first) and (old last, new last].
    highlightChanged(oldFirst, std::min(first - 1, oldLast));
    highlightChanged(std::max(last + 1, oldFirst), oldLast);
    highlightChanged(first, std::min(oldFirst - 1, last));
    highlightChanged(std::max(oldLast + 1, first), last);
}

} // namespace cellvex
