#pragma once

#include <QString>

#include <vector>

namespace cellvex {

// A range rounded out to whole ticks, with the ticks and their labels.
struct TickSet
{
    double min = 0;
    double max = 1;
    std::vector<double> ticks;
    std::vector<QString> labels;
    std::vector<double> minorTicks; // between the ticks, unlabelled
};

// Tick generation for value axes. Linear axes step in 1, 2 or 5 times a
// power of ten; logarithmic axes tick at whole powers of their base. Labels
// are printed from the step, so a tick that is a sum of floating steps never
// shows its rounding noise (0.3, not 0.30000000000000004).
class AxisTicks
{
public:
    // The smallest 1-2-5 step that cuts `span` into at most `maxIntervals`.
    static double niceStep(double span, int maxIntervals);
    // Ticks covering [lo, hi] in at most `maxIntervals` steps (at least one).
    // A flat or reversed range is padded first; non-finite bounds give 0..1.
    static TickSet linear(double lo, double hi, int maxIntervals);
    // Ticks at powers of `base` covering [lo, hi] (both > 0), every power or
    // every n-th one so that at most `maxIntervals` intervals remain. With
    // every power ticked and a whole base, the multiples between are minor
    // ticks (2..9 for base 10).
    static TickSet logarithmic(double lo, double hi, double base, int maxIntervals);
    // The range a linear axis rounds out: finite, ordered, and a band
    // around a single value (0..1 for none).
    static void openUp(double &lo, double &hi);
    // The label of a linear tick at `value` on an axis stepping by `step`.
    static QString linearLabel(double value, double step);
    // The label of a tick at a power of a base.
    static QString powerLabel(double value);
};

} // namespace cellvex
