#pragma once

#include "chart/ChartInk.h"
#include "chart/ChartLayout.h"
#include "chart/ChartSeries.h"

class QPainter;

namespace cellvex {

// Draws a pie series in its square: one slice per positive value, clockwise
// from twelve o'clock, each in the palette colour of its place; its marks
// (label and value) outside the rim with a short leader.
class PiePainter
{
public:
    PiePainter(QPainter &p, const ChartLayout &layout, const ChartInk &ink)
        : m_painter(p), m_layout(layout), m_ink(ink)
    {
    }

    void draw(int seriesIndex, const ChartSeries &s);

private:
    void drawMarks(const ChartSeries &s, const QRectF &square, double total);

    QPainter &m_painter;
    const ChartLayout &m_layout;
    ChartInk m_ink;
};

} // namespace cellvex
