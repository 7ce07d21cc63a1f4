#pragma once

#include "chart/ChartTypes.h"

#include <QColor>

#include <optional>
#include <vector>

namespace cellvex {

// One data series of a chart: its kind, style, the axes it is drawn on and
// its points. Points are kept in ascending x (equal x in the order they came)
// so that a line joins them in that order and a point's index counts in
// ascending x. Widget free.
class ChartSeries
{
public:
    explicit ChartSeries(SeriesKind kind = SeriesKind::Line) : m_kind(kind) {}

    SeriesKind kind() const { return m_kind; }

    // No colour: the chart's palette colour for the series' place.
    std::optional<QColor> color;
    ChartPenStyle penStyle = ChartPenStyle::Solid;
    int penWidth = 1;
    MarkerStyle markerStyle = MarkerStyle::Rectangle;
    int markerWidth = 4; // half extents in pixels: a marker covers 2w+1 x 2h+1
    int markerHeight = 4;
    bool marksVisible = false; // value marks next to points, bars and slices
    bool onTopAxis = false;    // else the bottom axis
    bool onRightAxis = false;  // else the left axis
    // Free for the owner (the report keeps the index of a curve's entry here).
    int tag = -1;
    // Presses on its points are reported by hit testing (ChartLayout::pointAt).
    bool reportsPointPresses = false;
    // The mouse pointer over its points (a Qt::CursorShape value).
    int pointCursor = 0; // Qt::ArrowCursor

    void clear();
    // Adds a point at its place in ascending x.
    void addXY(double x, double y);
    // Adds a value with its label at the next index (x = number of points so far).
    void addValue(double value, const QString &label);

    const std::vector<ChartPoint> &points() const;
    int count() const { return int(m_points.size()); }

private:
    void append(ChartPoint point);

    SeriesKind m_kind;
    // Kept sorted lazily: adding many points in random order stays fast.
    mutable std::vector<ChartPoint> m_points;
    // The leading points known to be in order; the rest is sorted on reading.
    mutable size_t m_sortedCount = 0;
};

} // namespace cellvex
