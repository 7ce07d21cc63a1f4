#pragma once

#include <cstdint>

namespace cellvex::demo {

// The host's copies of what the control last reported: the selection
// (1-based, -1 when nothing is selected, 0 before the first report) and the
// input cell (1-based, -1 when there is none). Commands and dialogs take
// their cell arguments from here, never from the control directly.
struct HostState
{
    std::int16_t selMinX = 0;
    std::int16_t selMinY = 0;
    std::int16_t selMaxX = 0;
    std::int16_t selMaxY = 0;
    std::int16_t inputCol = 0;
    std::int16_t inputRow = 0;
};

// Calls f(c, r) for every selected cell, columns in the outer loop. With
// nothing selected (all -1) that is the single call f(-1, -1), which the
// control ignores; an inverted selection makes no call.
template <class F> void forEachSelectedCell(const HostState &state, F &&f)
{
    for (int c = state.selMinX; c <= state.selMaxX; ++c)
        for (int r = state.selMinY; r <= state.selMaxY; ++r)
            f(c, r);
}

} // namespace cellvex::demo
