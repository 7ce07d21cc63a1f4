#pragma once

#include "chart/ChartLayout.h"
#include "chart/ChartSeries.h"

#include <QColor>

class QPainter;

namespace cellvex {

// Draws a bar series, vertical or horizontal, in its slot beside the other
// bar series, and its value marks at the bars' ends.
class BarPainter
{
public:
    BarPainter(QPainter &p, const ChartLayout &layout) : m_painter(p), m_layout(layout) {}

    void drawBars(int seriesIndex, const ChartSeries &s, QColor color);
    void drawMarks(int seriesIndex, const ChartSeries &s);

private:
    // The bar of a point in chart pixels; empty when it cannot be drawn.
    QRectF barRect(int seriesIndex, const ChartSeries &s, const ChartPoint &p, double base) const;

    QPainter &m_painter;
    const ChartLayout &m_layout;
};

} // namespace cellvex
