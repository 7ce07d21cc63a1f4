#pragma once

#include "chart/Chart.h"
#include "chart/ChartInk.h"
#include "chart/ChartLayout.h"

class QPainter;

namespace cellvex {

// Draws the frame of the plot: grid lines behind the series, then the axis
// lines, ticks, tick labels and axis titles over them. Lines are drawn on
// whole pixels without antialiasing so that they stay one pixel wide.
class AxisPainter
{
public:
    AxisPainter(QPainter &p, const Chart &chart, const ChartLayout &layout);

    void drawGrid();
    void drawAxes();

private:
    void drawTicks(AxisPosition a);

    QPainter &m_painter;
    const Chart &m_chart;
    const ChartLayout &m_layout;
    ChartInk m_ink;
};

} // namespace cellvex
