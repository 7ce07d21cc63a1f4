#pragma once

#include "chart/ChartLayout.h"
#include "chart/ChartSeries.h"

#include <QColor>
#include <QPen>
#include <QPolygonF>

#include <vector>

class QPainter;

namespace cellvex {

// Draws the series that place their points by x and y: lines, filled areas
// and point markers, and their value marks.
class XYSeriesPainter
{
public:
    XYSeriesPainter(QPainter &p, const ChartLayout &layout) : m_painter(p), m_layout(layout) {}

    void drawLine(const ChartSeries &s, QColor color);
    void drawArea(const ChartSeries &s, QColor color);
    void drawPoints(const ChartSeries &s, QColor color);
    void drawMarks(const ChartSeries &s);

    static QPen pen(ChartPenStyle style, int width, QColor color);
    // The runs of points that can be drawn, split where a point cannot (NaN,
    // <= 0 on a log axis). Where many points fall in one pixel column only
    // its first, lowest, highest and last stay: the same picture, far fewer
    // segments.
    static std::vector<QPolygonF> polylines(const ChartLayout &layout, const ChartSeries &s);

private:
    QPainter &m_painter;
    const ChartLayout &m_layout;
};

} // namespace cellvex
