#include "WheelAccumulator.h"

namespace cellvex {

int WheelAccumulator::add(int delta, int position, int displayCount, int poleCount)
{
    m_value += delta;
    if (delta > 0) {
        // Turned away from the user: back towards the first pole.
        if (position < 2) {
            m_value = 0;
            return 0;
        }
        if (m_value < kStepAmount)
            return 0;
        m_value = 0;
        return -1;
    }
    // Towards the user: forward, unless the last pole is already shown.
    if (std::int64_t(position) + displayCount > poleCount) {
        m_value = 0;
        return 0;
    }
    if (m_value > -kStepAmount)
        return 0;
    m_value = 0;
    return 1;
}

} // namespace cellvex
