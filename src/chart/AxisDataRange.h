#pragma once

#include "chart/Chart.h"

#include <QString>

#include <array>
#include <limits>
#include <vector>

namespace cellvex {

// What the series drawn on one axis need it to show: the span of their
// values, whether bars stand on it (their base 0 must be inside), and
// whether it counts categories (bars lined up along it) with their labels.
struct AxisDataRange
{
    bool used = false;
    bool category = false;
    bool includeZero = false;
    double lo = std::numeric_limits<double>::infinity();
    double hi = -std::numeric_limits<double>::infinity();
    // Label of the category at each whole x from 0 (first bar series wins).
    std::vector<QString> categoryLabels;

    bool empty() const { return !(lo <= hi); }
    // Values an axis cannot show are left out: non-finite ones, and those
    // <= 0 on a logarithmic axis.
    void add(double v, bool logarithmic);

    // The ranges of the four axes, indexed by AxisPosition.
    static std::array<AxisDataRange, 4> gather(const Chart &chart);
};

} // namespace cellvex
