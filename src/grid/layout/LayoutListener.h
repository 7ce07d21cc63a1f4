#pragma once

#include "rulers/RulerListener.h"

namespace cellvex {

// Hears what scrolling and sizing do: the control repaints, places what sits
// on the cells, raises its events and cuts the pages again.
class LayoutListener
{
public:
    // The grid scrolled on an axis (repaint the cells and what sits on them).
    virtual void viewMoved() = 0;
    // The first displayed column (row) changed: OnLeftChange / OnTopChange
    // with the new 1-based position. Raised last: the host may scroll again.
    virtual void firstPoleChanged(Orientation orientation, int position) = 0;
    // A column or row is about to change its size (the input method closes).
    virtual void beforeResize() = 0;
    // Columns or rows changed their size: place the frame, cut the pages again.
    virtual void geometryChanged(Orientation orientation) = 0;

protected:
    ~LayoutListener() = default;
};

} // namespace cellvex
