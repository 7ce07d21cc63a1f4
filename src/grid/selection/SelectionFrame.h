#pragma once

#include "report/Report.h"

namespace cellvex {

// The four lines drawn around the selection, in report coordinates (the
// surface subtracts its origin). The lines sit outside the selected cells:
// the left and top lines are 2 pixels thick, the right and bottom ones 3, and
// each reaches 2 pixels before and 3 past the selection so that the corners
// close. With nothing selected every line is at (0, 0) with length 0.
struct SelectionFrame
{
    ReportRect left, top, right, bottom;

    bool visible() const { return left.height > 0; }
    bool operator==(const SelectionFrame &o) const
    {
        return same(left, o.left) && same(top, o.top) && same(right, o.right) && same(bottom, o.bottom);
    }

private:
    static bool same(const ReportRect &a, const ReportRect &b)
    {
        return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
    }
};

// Thickness of the frame lines (left/top and right/bottom).
constexpr int kFrameLeadThickness = 2;
constexpr int kFrameTrailThickness = 3;

// The frame for the report's current selection.
SelectionFrame frameForSelection(const Report &report);

} // namespace cellvex
