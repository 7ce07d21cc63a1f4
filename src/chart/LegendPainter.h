#pragma once

#include "chart/Chart.h"
#include "chart/ChartLayout.h"

class QPainter;

namespace cellvex {

// Draws the legend box: per line a sample of the series (a line, a marker
// or a patch of its fill) and its name.
class LegendPainter
{
public:
    static void draw(QPainter &p, const Chart &chart, const ChartLayout &layout);
};

} // namespace cellvex
