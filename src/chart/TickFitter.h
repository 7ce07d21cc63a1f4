#pragma once

#include "chart/AxisTicks.h"

#include <QFontMetricsF>
#include <QString>

#include <vector>

namespace cellvex {

// What an axis has to show and the room it has for it.
struct TickRequest
{
    double lo = 0; // the data; lo > hi when there is none
    double hi = -1;
    bool includeZero = false;
    bool logarithmic = false;
    double logBase = 10;
    bool category = false;
    const std::vector<QString> *categoryLabels = nullptr;
    double length = 0; // pixels along the axis
    bool horizontal = true;
};

// Picks the ticks of an axis: labels that never run into each other, about
// a comfortable distance apart, on a range that the data fills well.
class TickFitter
{
public:
    static TickSet fit(const TickRequest &r, const QFontMetricsF &fm);

private:
    static TickSet categories(const TickRequest &r, const QFontMetricsF &fm);
    static TickSet linear(double lo, double hi, const TickRequest &r, const QFontMetricsF &fm, double target,
                          double closest);
    static TickSet logarithmic(double lo, double hi, const TickRequest &r, const QFontMetricsF &fm,
                               double target);
    static bool fits(const TickSet &set, double length, bool horizontal, const QFontMetricsF &fm);
};

} // namespace cellvex
