#include "chart/ChartSeries.h"

#include <algorithm>
#include <cmath>

namespace cellvex {

namespace {

// A strict weak order even with NaN in x: NaN sorts after every number, so
// a sort never meets an inconsistent comparison.
bool xBefore(const ChartPoint &a, const ChartPoint &b)
{
    if (std::isnan(a.x))
        return false;
    return std::isnan(b.x) || a.x < b.x;
}

} // namespace

void ChartSeries::clear()
{
    m_points.clear();
    m_sortedCount = 0;
}

void ChartSeries::addXY(double x, double y)
{
    append(ChartPoint{x, y, QString()});
}

void ChartSeries::addValue(double value, const QString &label)
{
    append(ChartPoint{double(m_points.size()), value, label});
}

void ChartSeries::append(ChartPoint point)
{
    const bool inOrder =
        m_sortedCount == m_points.size() && (m_points.empty() || !xBefore(point, m_points.back()));
    m_points.push_back(std::move(point));
    if (inOrder)
        m_sortedCount = m_points.size();
}

const std::vector<ChartPoint> &ChartSeries::points() const
{
    if (m_sortedCount < m_points.size()) {
        // Only the tail added since the last read is sorted; merging keeps the
        // older points ahead of later ones with the same x.
        const auto middle = m_points.begin() + std::ptrdiff_t(m_sortedCount);
        std::stable_sort(middle, m_points.end(), xBefore);
        std::inplace_merge(m_points.begin(), middle, m_points.end(), xBefore);
        m_sortedCount = m_points.size();
    }
    return m_points;
}

} // namespace cellvex
