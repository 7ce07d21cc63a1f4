#include "SelectionFrame.h"

namespace cellvex {

SelectionFrame frameForSelection(const Report &report)
{
    SelectionFrame f;
    f.left.width = f.top.height = kFrameLeadThickness;
    f.right.width = f.bottom.height = kFrameTrailThickness;
    if (!report.hasSelection())
        return f;
    const QRect s = report.selection();
    const RulerModel &cols = report.colRuler();
    const RulerModel &rows = report.rowRuler();
    if (s.right() >= cols.count() || s.bottom() >= rows.count())
        return f; // a selection the rulers no longer hold has no place to show
    const std::int64_t a = cols.poleEdge(s.left());
    const std::int64_t b = rows.poleEdge(s.top());
    const std::int64_t cw = cols.poleEdge(s.right() + 1) - a;
    const std::int64_t ch = rows.poleEdge(s.bottom() + 1) - b;

    f.left.x = a - 2;
    f.left.y = b - 2;
    f.left.height = ch + 5;
    f.top.x = a - 2;
    f.top.y = b - 2;
    f.top.width = cw + 5;
    f.right.x = a + cw;
    f.right.y = b - 2;
    f.right.height = ch + 5;
    f.bottom.x = a - 2;
    f.bottom.y = b + ch;
    f.bottom.width = cw + 5;
    return f;
}

} // namespace cellvex
