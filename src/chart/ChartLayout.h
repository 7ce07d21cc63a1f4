#pragma once

#include "chart/Chart.h"

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>

#include <optional>
#include <vector>

namespace cellvex {

// The mapping of one axis: its value range (after nice rounding) and the
// ticks with their labels, for the pixel span it covers.
struct AxisScale
{
    bool used = false; // some series is drawn on it (left and bottom are always shown)
    double min = 0;    // range in axis values (for a log axis: the values, not exponents)
    double max = 1;
    bool logarithmic = false;
    double logBase = 10;
    bool inverted = false;
    double pixelStart = 0; // pixel of `min` (left or bottom edge unless inverted)
    double pixelEnd = 1;   // pixel of `max`
    std::vector<double> ticks;
    std::vector<QString> tickLabels;

    // Value -> pixel along the axis; nullopt for a value a log axis cannot show (<= 0).
    std::optional<double> toPixel(double value) const;
    // Pixel -> value along the axis.
    double toValue(double pixel) const;
};

// Which point of which series lies under a position.
struct ChartPointHit
{
    int series = -1;
    int point = -1; // index in the series' points (ascending x)
};

// A chart placed in a rectangle of a given size: the title, axis titles and
// tick labels measured, the plot area left over, and the four axis scales.
// Built once per change of the chart or of the size; painting, hit testing
// and the conversion of positions to values read it.
class ChartLayout
{
public:
    ChartLayout(const Chart &chart, QSize size);

    QSize size() const { return m_size; }
    QRectF plotArea() const { return m_plot; }
    const AxisScale &scale(AxisPosition p) const { return m_scales[size_t(p)]; }
    // The horizontal and vertical scale a series is drawn on.
    const AxisScale &horizontalScale(const ChartSeries &s) const;
    const AxisScale &verticalScale(const ChartSeries &s) const;

    // Position of a point of an x/y series (line, area, point); nullopt when
    // a log axis cannot show it.
    std::optional<QPointF> pointPosition(const ChartSeries &s, const ChartPoint &p) const;
    // The x and y values a position stands for on the axes of a series.
    void positionToValues(const ChartSeries &s, QPointF position, double &x, double &y) const;
    // The topmost point, among series that report point presses, whose marker
    // covers the position (the series added last wins).
    std::optional<ChartPointHit> pointAt(const Chart &chart, QPointF position) const;

private:
    QSize m_size;
    QRectF m_plot;
    std::array<AxisScale, 4> m_scales;
    // ... further measured rectangles (title, axis titles, legend) as the painter needs
};

} // namespace cellvex
