#include "chart/Chart.h"

#include "chart/ChartPalette.h"

#include <algorithm>

namespace cellvex {

Chart::Chart()
{
    titleFont.setPointSize(10);
    titleFont.setBold(true);
    labelFont.setPointSize(8);
    for (ChartAxis &a : m_axes)
        a.titleFont.setPointSize(9);
}

int Chart::addSeries(const ChartSeries &s)
{
    m_series.push_back(s);
    return int(m_series.size()) - 1;
}

void Chart::truncateSeries(int first)
{
    if (first < 0)
        first = 0;
    if (size_t(first) < m_series.size())
        m_series.resize(size_t(first));
}

QColor Chart::seriesColor(int i) const
{
    if (i >= 0 && size_t(i) < m_series.size() && m_series[size_t(i)].color &&
        m_series[size_t(i)].color->isValid())
        return *m_series[size_t(i)].color;
    return ChartPalette::color(i);
}

} // namespace cellvex
