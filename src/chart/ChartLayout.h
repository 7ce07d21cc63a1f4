#pragma once

#include "chart/Chart.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>

#include <array>
#include <optional>
#include <utility>
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
    // Unlabelled ticks between the labelled ones (the 2..9 of a log decade).
    std::vector<double> minorTicks;

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

// One line of the legend: a series, or a slice of a pie (point >= 0).
struct LegendEntry
{
    QString text;
    QColor color;
    int series = -1;
    int point = -1;
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

    // What the painter places; all in the chart's pixels from its top-left corner.
    // No axes are drawn for a chart of pies only.
    bool axesVisible() const { return m_axesVisible; }
    // Left and bottom always, right and top when a series is drawn on them.
    bool axisShown(AxisPosition p) const { return m_axesVisible && m_shown[size_t(p)]; }
    // Bars are lined up along the axis; its ticks are their categories.
    bool isCategoryAxis(AxisPosition p) const { return m_category[size_t(p)]; }
    QRectF titleRect() const { return m_titleRect; }
    QRectF axisTitleRect(AxisPosition p) const { return m_axisTitleRects[size_t(p)]; }
    QRectF legendRect() const { return m_legendRect; }
    // Where value marks may go: across the plot, and from under the title to
    // the bottom of the chart.
    QRectF markBounds() const;
    const std::vector<LegendEntry> &legendEntries() const { return m_legend; }
    // Fonts in pixels, as measured.
    const QFont &labelFont() const { return m_labelFont; }
    const QFont &titleFont() const { return m_titleFont; }
    // The title font of an axis, in pixels and set smaller where the title is
    // longer than its side; still "@" for vertical writing.
    const QFont &axisTitleFont(AxisPosition p) const { return m_axisTitleFonts[size_t(p)]; }
    static constexpr double kTickLength = 4;

    // The pixels across the category axis taken by the bar of series
    // `seriesIndex` at category x (several bar series stand side by side).
    std::pair<double, double> barSpan(int seriesIndex, double category) const;
    // The pixel on the value axis of a bar series where its bars start (0, or
    // the end of the range nearest to it).
    double barBase(const ChartSeries &s) const;
    // The square a pie series is drawn in, leaving room for its marks.
    QRectF pieRect(int seriesIndex) const;

private:
    void placeAxes(const Chart &chart, QRectF area);
    void computeTicks(AxisPosition p, double length);
    void placeLegend(const Chart &chart, QRectF &area);
    void placeBarsAndPies(const Chart &chart);

    QSize m_size;
    QRectF m_plot;
    std::array<AxisScale, 4> m_scales;
    std::array<bool, 4> m_shown{};
    std::array<bool, 4> m_category{};
    std::array<QRectF, 4> m_axisTitleRects;
    bool m_axesVisible = true;
    QRectF m_titleRect;
    QRectF m_legendRect;
    std::vector<LegendEntry> m_legend;
    QFont m_labelFont;
    QFont m_titleFont;
    std::array<QFont, 4> m_axisTitleFonts;
    // Per series: its place among the bar series of its direction, and its pie cell.
    std::vector<int> m_barSlot;
    std::vector<int> m_barAxis; // the AxisPosition the bars stand along
    int m_verticalBars = 0;
    int m_horizontalBars = 0;
    std::vector<QRectF> m_pieRects;
    // The data ranges the ticks were made for (one per axis).
    std::array<std::pair<double, double>, 4> m_dataRange{};
    std::array<bool, 4> m_includeZero{};
    std::array<std::vector<QString>, 4> m_categoryLabels;
};

} // namespace cellvex
