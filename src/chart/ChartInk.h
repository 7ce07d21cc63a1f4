#pragma once

#include <QColor>

namespace cellvex {

// The colours of the text and lines drawn straight on the chart's
// background: dark on a light background, light on a dark one, so that a
// chart in a dark cell still shows its title, axes and labels.
struct ChartInk
{
    QColor text;
    QColor axis;
    QColor frame;
    QColor grid;

    static ChartInk on(const QColor &background);
};

} // namespace cellvex
