#pragma once

#include "HostState.h"

namespace cellvex::automation {
class ICellvex;
}

namespace cellvex::demo {

// The border buttons of the border toolbar, left to right.
enum class BorderButton {
    AllLines,
    Outline,
    NoLines,
    InnerLines,
    LeftEdge,
    TopEdge,
    RightEdge,
    BottomEdge,
    ThickOutline,
    DiagonalDown,
    DiagonalUp,
    DiagonalFan,
    NoDiagonal,
};

// The SetCellBorders calls of one border button over the host's selection.
// Throws HostError at the first failed call.
void applyBorderButton(automation::ICellvex &control, const HostState &state, BorderButton button);

} // namespace cellvex::demo
