#pragma once

#include "chart/Chart.h"
#include "chart/ChartLayout.h"

#include <QImage>

class QPainter;

namespace cellvex {

// Draws a laid-out chart: background (colour, picture), title, axes with
// ticks, labels and titles, the series, value marks and the legend when shown.
void paintChart(QPainter &p, const Chart &chart, const ChartLayout &layout);

// The whole chart rendered into a new image of the given size (ARGB32
// premultiplied, opaque background). An empty size gives a null image.
QImage renderChart(const Chart &chart, QSize size);

} // namespace cellvex
