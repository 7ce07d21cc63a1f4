#pragma once

#include "chart/ChartAxis.h"
#include "chart/ChartSeries.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QStringList>

#include <array>
#include <vector>

namespace cellvex {

// A chart as data: background, title, four axes and the series, drawn in the
// order they were added. Widget free; ChartLayout places it in a rectangle
// and ChartPainter draws it.
class Chart
{
public:
    Chart();

    QColor backgroundColor = Qt::white;
    // Drawn over the background colour, under everything else; stretched
    // over the whole chart or at its natural size from the top-left corner.
    QImage backgroundPicture;
    bool backgroundStretch = false;
    bool legendVisible = false;
    bool view3D = false; // kept for the callers that ask; always drawn flat
    bool bevel = false;

    QStringList titleLines; // one line per entry; none: no title
    QFont titleFont;
    // Tick labels, value marks and the legend.
    QFont labelFont;

    ChartAxis &axis(AxisPosition p) { return m_axes[size_t(p)]; }
    const ChartAxis &axis(AxisPosition p) const { return m_axes[size_t(p)]; }

    int seriesCount() const { return int(m_series.size()); }
    ChartSeries &series(int i) { return m_series[size_t(i)]; }
    const ChartSeries &series(int i) const { return m_series[size_t(i)]; }
    // Returns the new series' index.
    int addSeries(const ChartSeries &s);
    // Removes the series from `first` on (undoing a half-built addition).
    void truncateSeries(int first);
    void clearSeries() { m_series.clear(); }

    // The colour a series is drawn in: its own, else the palette's for its index.
    QColor seriesColor(int i) const;

private:
    std::array<ChartAxis, 4> m_axes;
    std::vector<ChartSeries> m_series;
};

} // namespace cellvex
