#include "chart/AxisDataRange.h"

#include <cmath>

namespace cellvex {

namespace {

// Category labels are kept by index up to here; beyond, no one reads them.
constexpr double kMostLabelledCategories = 1e6;

size_t horizontalOf(const ChartSeries &s)
{
    return size_t(s.onTopAxis ? AxisPosition::Top : AxisPosition::Bottom);
}

size_t verticalOf(const ChartSeries &s)
{
    return size_t(s.onRightAxis ? AxisPosition::Right : AxisPosition::Left);
}

void addCategory(AxisDataRange &r, const ChartPoint &p)
{
    if (!std::isfinite(p.x))
        return;
    r.add(p.x - 0.5, false);
    r.add(p.x + 0.5, false);
    if (p.label.isEmpty() || p.x < 0 || p.x >= kMostLabelledCategories || p.x != std::floor(p.x))
        return;
    const size_t i = size_t(p.x);
    if (r.categoryLabels.size() <= i)
        r.categoryLabels.resize(i + 1);
    if (r.categoryLabels[i].isEmpty())
        r.categoryLabels[i] = p.label;
}

} // namespace

void AxisDataRange::add(double v, bool logarithmic)
{
    if (!std::isfinite(v) || (logarithmic && !(v > 0)))
        return;
    lo = std::min(lo, v);
    hi = std::max(hi, v);
}

std::array<AxisDataRange, 4> AxisDataRange::gather(const Chart &chart)
{
    std::array<AxisDataRange, 4> ranges;
    // Categories first: an axis with bars along it is not logarithmic.
    for (int i = 0; i < chart.seriesCount(); ++i) {
        const ChartSeries &s = chart.series(i);
        if (s.kind() == SeriesKind::VerticalBar)
            ranges[horizontalOf(s)].category = true;
        else if (s.kind() == SeriesKind::HorizontalBar)
            ranges[verticalOf(s)].category = true;
    }
    auto isLog = [&](size_t axis) {
        return chart.axis(AxisPosition(axis)).logarithmic && !ranges[axis].category;
    };
    for (int i = 0; i < chart.seriesCount(); ++i) {
        const ChartSeries &s = chart.series(i);
        if (s.kind() == SeriesKind::Pie)
            continue;
        const size_t h = horizontalOf(s);
        const size_t v = verticalOf(s);
        ranges[h].used = true;
        ranges[v].used = true;
        const bool logH = isLog(h);
        const bool logV = isLog(v);
        for (const ChartPoint &p : s.points()) {
            switch (s.kind()) {
            case SeriesKind::VerticalBar:
                addCategory(ranges[h], p);
                ranges[v].add(p.y, logV);
                break;
            case SeriesKind::HorizontalBar:
                addCategory(ranges[v], p);
                ranges[h].add(p.y, logH);
                break;
            default:
                // A point drawn nowhere widens neither axis.
                if (!std::isfinite(p.x) || !std::isfinite(p.y) || (logH && !(p.x > 0)) ||
                    (logV && !(p.y > 0)))
                    break;
                ranges[h].add(p.x, logH);
                ranges[v].add(p.y, logV);
                break;
            }
        }
        // Bars and areas grow from 0, so a linear value axis shows it.
        if (s.kind() == SeriesKind::VerticalBar || s.kind() == SeriesKind::Area)
            ranges[v].includeZero = true;
        else if (s.kind() == SeriesKind::HorizontalBar)
            ranges[h].includeZero = true;
    }
    return ranges;
}

} // namespace cellvex
