#pragma once

#include <QString>

namespace cellvex {

// What a series draws.
enum class SeriesKind { Line, VerticalBar, HorizontalBar, Area, Point, Pie };

// How a line (or the outline of an area) is drawn; the numbering is the one
// of the report's sign texts.
enum class ChartPenStyle { Solid = 0, None = 1, Dash = 2, DashDot = 3, DashDotDot = 4, Dot = 5, InsideFrame = 6 };

// The shape of a point marker, numbered as in the sign texts.
enum class MarkerStyle {
    Circle = 0,
    Cross = 1,
    DiagonalCross = 2,
    Diamond = 3,
    TriangleDown = 4,
    Rectangle = 5,
    SmallDot = 6,
    Star = 7,
    TriangleUp = 8,
};

enum class AxisPosition { Left = 0, Right = 1, Top = 2, Bottom = 3 };

// One point of a series. Value series (bars, pies) hold their values in y,
// their running index in x and a label.
struct ChartPoint
{
    double x = 0;
    double y = 0;
    QString label;
};

} // namespace cellvex
