#include "chart/AxisTicks.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace cellvex {

namespace {

// Beyond this the span of two finite values could overflow.
constexpr double kLargest = 1e300;
// Far below the first step of any axis a person reads: keeps loops bounded.
constexpr int kMostTicks = 1000;

double clampFinite(double v)
{
    return std::clamp(v, -kLargest, kLargest);
}

// The 1-2-5 step after `step`.
double nextNiceStep(double step)
{
    const double decade = std::pow(10.0, std::floor(std::log10(step)));
    const double mantissa = std::round(step / decade);
    return (mantissa < 2 ? 2 : mantissa < 5 ? 5 : 10) * decade;
}

double power(double base, double e)
{
    // Whole powers of ten read from their decimal form are exact where pow
    // may leave a last-digit error (0.0010000000000000002 for 1e-3).
    if (base == 10 && std::fabs(e) <= 300)
        return std::stod("1e" + std::to_string(int(e)));
    return std::pow(base, e);
}

} // namespace

double AxisTicks::niceStep(double span, int maxIntervals)
{
    maxIntervals = std::max(1, maxIntervals);
    if (!(span > 0) || !std::isfinite(span))
        return 1;
    const double raw = span / maxIntervals;
    double decade = std::pow(10.0, std::floor(std::log10(raw)));
    if (!(decade > 0))
        decade = std::numeric_limits<double>::min();
    for (;;) {
        for (double m : {1.0, 2.0, 5.0}) {
            // A tolerance so that a span of exactly n steps keeps that step.
            if (m * decade >= raw * (1 - 1e-12))
                return m * decade;
        }
        decade *= 10;
    }
}

QString AxisTicks::linearLabel(double value, double step)
{
    if (value == 0 || std::fabs(value) < std::fabs(step) * 1e-9)
        return QStringLiteral("0");
    const double magnitude = std::fabs(value);
    if (magnitude >= 1e15 || std::fabs(step) < 1e-5) {
        // Significant digits enough to tell neighbouring ticks apart.
        const int digits =
            std::clamp(int(std::ceil(std::log10(magnitude / std::fabs(step)) + 1e-9)) + 1, 1, 15);
        return QString::number(value, 'g', digits);
    }
    const int decimals = step >= 1 ? 0 : std::clamp(int(std::ceil(-std::log10(step) - 1e-9)), 0, 15);
    return QString::number(value, 'f', decimals);
}

QString AxisTicks::powerLabel(double value)
{
    if (value >= 1e-4 && value < 1e7)
        return QString::number(value, 'g', 7);
    return QString::number(value, 'g', 6);
}

void AxisTicks::openUp(double &lo, double &hi)
{
    if (!std::isfinite(lo) || !std::isfinite(hi)) {
        lo = 0;
        hi = 1;
    }
    lo = clampFinite(lo);
    hi = clampFinite(hi);
    if (lo > hi)
        std::swap(lo, hi);
    if (!(hi - lo > std::max(std::fabs(lo), std::fabs(hi)) * 1e-12)) {
        // A flat range: a band around the value, so that its line sits inside.
        const double pad = lo == 0 ? 1 : std::fabs(lo) * 0.1;
        lo -= pad;
        hi += pad;
    }
}

TickSet AxisTicks::linear(double lo, double hi, int maxIntervals)
{
    openUp(lo, hi);
    maxIntervals = std::clamp(maxIntervals, 1, kMostTicks);
    TickSet set;
    double step = niceStep(hi - lo, maxIntervals);
    double first = 0;
    double last = 0;
    for (int guard = 0; guard < 8; ++guard) {
        first = std::floor(lo / step);
        last = std::ceil(hi / step);
        if (last - first <= maxIntervals)
            break;
        step = nextNiceStep(step);
    }
    set.min = first * step;
    set.max = last * step;
    const long long count = std::min<long long>((long long)(last - first), kMostTicks);
    set.ticks.reserve(size_t(count + 1));
    set.labels.reserve(size_t(count + 1));
    for (long long k = 0; k <= count; ++k) {
        double t = (first + double(k)) * step;
        if (std::fabs(t) < step * 1e-9)
            t = 0;
        set.ticks.push_back(t);
        set.labels.push_back(linearLabel(t, step));
    }
    return set;
}

TickSet AxisTicks::logarithmic(double lo, double hi, double base, int maxIntervals)
{
    if (!(base > 1) || !std::isfinite(base))
        base = 10;
    if (!(lo > 0) || !std::isfinite(lo))
        lo = 1;
    if (!(hi > 0) || !std::isfinite(hi))
        hi = lo * base;
    if (lo > hi)
        std::swap(lo, hi);
    const double lnBase = std::log(base);
    // The tolerance keeps a value that is a power (1000 for base 10) on that
    // power instead of rounding it out to the next one.
    double e0 = std::floor(std::log(lo) / lnBase + 1e-9);
    double e1 = std::ceil(std::log(hi) / lnBase - 1e-9);
    if (e1 <= e0)
        e1 = e0 + 1;
    maxIntervals = std::clamp(maxIntervals, 1, kMostTicks);
    const double stride = std::max(1.0, std::ceil((e1 - e0) / maxIntervals));
    e0 = std::floor(e0 / stride) * stride;
    e1 = std::ceil(e1 / stride) * stride;
    TickSet set;
    set.min = power(base, e0);
    set.max = power(base, e1);
    if (!(set.min > 0) || !std::isfinite(set.max)) {
        // Powers beyond the doubles: fall back to the plain range.
        set.min = lo;
        set.max = hi;
        return set;
    }
    for (double e = e0; e <= e1 + stride * 1e-9 && set.ticks.size() <= size_t(kMostTicks); e += stride) {
        const double t = power(base, e);
        set.ticks.push_back(t);
        set.labels.push_back(powerLabel(t));
    }
    const bool wholeBase = base == std::floor(base) && base <= 100;
    if (stride == 1 && wholeBase && set.ticks.size() > 1 &&
        set.ticks.size() * size_t(base) <= size_t(kMostTicks)) {
        for (size_t i = 0; i + 1 < set.ticks.size(); ++i)
            for (int m = 2; m < int(base); ++m)
                set.minorTicks.push_back(set.ticks[i] * m);
    }
    return set;
}

} // namespace cellvex
