#include "chart/TickFitter.h"

#include <algorithm>
#include <cmath>

namespace cellvex {

namespace {

constexpr double kLabelGap = 6;
// The pixels a log decade needs before its 2..9 get ticks (9 to 10 is 1/22 of it).
constexpr double kMinorDecade = 40;
// Tick counts tried for a linear axis; the steps they give repeat long before.
constexpr int kMostCandidates = 60;
// Category labels measured to size the gap; past this many a sample stands for all.
constexpr size_t kMeasuredLabels = 200;

} // namespace

bool TickFitter::fits(const TickSet &set, double length, bool horizontal, const QFontMetricsF &fm)
{
    if (set.ticks.size() < 2)
        return true;
    const double spacing = length / double(set.ticks.size() - 1);
    // Numbers have no descenders: the ascent is all a stacked label needs.
    if (!horizontal)
        return fm.ascent() + 1 <= spacing;
    double widest = 0;
    for (const QString &label : set.labels)
        widest = std::max(widest, fm.horizontalAdvance(label));
    return widest + kLabelGap <= spacing;
}

TickSet TickFitter::fit(const TickRequest &r, const QFontMetricsF &fm)
{
    if (r.category)
        return categories(r, fm);
    double lo = r.lo;
    double hi = r.hi;
    if (r.logarithmic) {
        if (!(lo <= hi)) {
            lo = 1;
            hi = r.logBase;
        }
    } else {
        if (!(lo <= hi)) {
            lo = 0;
            hi = 1;
        }
        if (r.includeZero) {
            lo = std::min(lo, 0.0);
            hi = std::max(hi, 0.0);
        }
    }
    const double length = std::max(0.0, r.length);
    // The spacing a person reads comfortably, and the closest labels may stand.
    const double target =
        r.horizontal ? std::max(56.0, fm.averageCharWidth() * 9) : std::max(40.0, fm.height() * 3);
    const double closest = r.horizontal ? fm.averageCharWidth() * 6 : fm.ascent() + 1;
    TickSet set = r.logarithmic ? logarithmic(lo, hi, r, fm, target) : linear(lo, hi, r, fm, target, closest);
    // Minor ticks closer than a few pixels are a smear, not a scale.
    if (!set.minorTicks.empty() && set.ticks.size() > 1 &&
        length / double(set.ticks.size() - 1) < kMinorDecade)
        set.minorTicks.clear();
    // Too short even for two labels: the first alone says where the axis starts.
    if (!fits(set, length, r.horizontal, fm))
        for (size_t i = 1; i < set.labels.size(); ++i)
            set.labels[i].clear();
    return set;
}

TickSet TickFitter::logarithmic(double lo, double hi, const TickRequest &r, const QFontMetricsF &fm,
                                double target)
{
    // Powers are few and their labels short: each gets its tick while they fit.
    const double length = std::max(0.0, r.length);
    int most = std::max(1, int(length / (r.horizontal ? target * 0.8 : fm.height() * 1.8)));
    TickSet set;
    for (int guard = 0; guard < 16; ++guard) {
        set = AxisTicks::logarithmic(lo, hi, r.logBase, most);
        const int intervals = std::max(1, int(set.ticks.size()) - 1);
        if (most == 1 || fits(set, length, r.horizontal, fm))
            break;
        most = std::max(1, std::min(most, intervals) - 1);
    }
    return set;
}

TickSet TickFitter::linear(double lo, double hi, const TickRequest &r, const QFontMetricsF &fm, double target,
                           double closest)
{
    // Each step the labels leave room for is weighed by how far its spacing
    // is from the comfortable one and by how much of the plot its rounded
    // range leaves empty: data up to 27 reads better on 0..30 in steps of 10
    // than on 0..50 in one step, even where the steps of 10 are tight.
    const double length = std::max(0.0, r.length);
    const int most = std::clamp(int(length / std::max(1.0, closest)), 1, kMostCandidates);
    AxisTicks::openUp(lo, hi);
    TickSet best;
    double bestScore = 0;
    double lastStep = 0;
    for (int n = most; n >= 1; --n) {
        // Many counts give one step; only the first of them is labelled and weighed.
        const double step = AxisTicks::niceStep(hi - lo, n);
        if (step == lastStep)
            continue;
        lastStep = step;
        TickSet set = AxisTicks::linear(lo, hi, n);
        if (set.ticks.size() < 2)
            continue;
        if (!fits(set, length, r.horizontal, fm) && n > 1)
            continue;
        const double spacing = std::max(1.0, length / double(set.ticks.size() - 1));
        const double data = std::max(hi - lo, 0.0);
        const double waste = set.max > set.min ? 1 - std::min(1.0, data / (set.max - set.min)) : 0;
        const double score = std::fabs(std::log(spacing / target)) + 3 * waste;
        if (best.ticks.empty() || score < bestScore) {
            best = std::move(set);
            bestScore = score;
        }
    }
    if (best.ticks.empty())
        best = AxisTicks::linear(lo, hi, 1);
    return best;
}

TickSet TickFitter::categories(const TickRequest &r, const QFontMetricsF &fm)
{
    TickSet set;
    if (!(r.lo <= r.hi)) {
        set.min = -0.5;
        set.max = 0.5;
        return set;
    }
    set.min = r.lo;
    set.max = r.hi;
    const double first = std::ceil(r.lo);
    const double last = std::floor(r.hi);
    if (first > last)
        return set;
    const double perCategory = std::max(0.0, r.length) / std::max(1e-9, r.hi - r.lo);
    double need = 4; // a tick mark at least
    if (r.categoryLabels && !r.categoryLabels->empty()) {
        const std::vector<QString> &labels = *r.categoryLabels;
        const size_t step = std::max<size_t>(1, labels.size() / kMeasuredLabels);
        double widest = 0;
        for (size_t i = 0; i < labels.size(); i += step)
            widest = std::max(widest, r.horizontal ? fm.horizontalAdvance(labels[i]) : fm.height());
        need = std::max(need, widest + (r.horizontal ? kLabelGap : 2));
    }
    // Every n-th category keeps its label, counting from the first.
    const double stride = perCategory > 0 ? std::max(1.0, std::ceil(need / perCategory)) : last - first + 1;
    for (double x = first; x <= last && set.ticks.size() < 1000; x += stride) {
        set.ticks.push_back(x);
        const bool labelled = r.categoryLabels && x >= 0 && x < double(r.categoryLabels->size());
        set.labels.push_back(labelled ? (*r.categoryLabels)[size_t(x)] : QString());
    }
    return set;
}

} // namespace cellvex
