#pragma once

#include "chart/ChartTypes.h"

#include <QPainterPath>
#include <QPointF>

namespace cellvex {

// The outline of a point marker, `w` and `h` pixels from its centre each way.
class MarkerShape
{
public:
    static QPainterPath path(MarkerStyle style, QPointF centre, double w, double h);
    // Shapes with an inside are filled; crosses and stars are strokes only.
    static bool isFilled(MarkerStyle style);
};

} // namespace cellvex
