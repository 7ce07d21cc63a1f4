#pragma once

#include <cstdint>

namespace cellvex {

// Collects wheel deltas (120 per notch on a standard wheel) so that several
// notches make one scroll step: a slow wheel does not race through a report
// of tall rows, and turning back and forth cancels out.
class WheelAccumulator
{
public:
    // Accumulated amount that makes one step, five standard notches.
    static constexpr int kStepAmount = 600;

    // Adds the delta of one wheel message and answers the step to apply to
    // the scrolled axis: -1 (back), +1 (forward) or 0. `position` is the
    // axis's 1-based scroll position, `displayCount` its ruler's DisplayCount.
    // At either end the accumulator empties, so turning on past the end does
    // not store up steps for the way back.
    int add(int delta, int position, int displayCount, int poleCount);

    std::int64_t value() const { return m_value; }
    void reset() { m_value = 0; }

private:
    std::int64_t m_value = 0;
};

} // namespace cellvex
