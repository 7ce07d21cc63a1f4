#pragma once

#include <QFont>
#include <QString>

namespace cellvex {

// One of the four axes of a chart: its title and how it maps values. The
// range is never set: it follows the series drawn on the axis.
struct ChartAxis
{
    QString title;
    // A family starting with "@" asks for the vertical-writing form of the
    // font: the title runs top to bottom with CJK characters upright. The
    // painter draws it with the plain family (the name without "@").
    QFont titleFont;
    // Angle of the title text in degrees, counter-clockwise as the report
    // gives it: 0 horizontal, 90 reading upwards, 270 reading downwards.
    int titleAngle = 0;
    bool logarithmic = false;
    double logBase = 10; // used when logarithmic; above 1
    bool inverted = false;
};

} // namespace cellvex
