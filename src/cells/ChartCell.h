#pragma once

#include "cells/Cell.h"

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

namespace cellvex {

// A chart cell's chart, on the cell alone (no report: a document being read
// builds its charts with these as well). The report-level operations in
// ChartCellOps.h find the cell, mark the report changed and repaint.

// Creates the chart when the cell has none (a picture the cell shows becomes
// its background) and sets title and axes from the three texts: the title
// lines in the cell's font; each axis text reads caption[,log base[,1 for
// inverted]], the vertical titles in the vertical-writing form of the font.
// A cell with a diagonal gets no chart: false, nothing done.
bool applyChart(Cell &cell, const QFont &cellFont, const ChartInfo &info);

// Adds the series of one series entry (ChartSeriesText.h) and its entries.
// False, adding nothing, when the cell has no chart or the texts describe no
// series; throws ReportError, adding nothing, for unreadable values.
bool appendChartSeries(Cell &cell, int type, const QString &signText, const QString &dataText);

// Removes every series and entry; title, axes and background stay.
bool clearChartSeries(Cell &cell);

// Sets (a non-null image) or clears the chart's background picture, stored
// stretched as the cell's stretch setting is set here.
void setChartBackground(Cell &cell, const QImage &image, bool stretch);
// A copy of the background, null when the chart has none.
QImage chartBackground(const Cell &cell);

// Renders the chart into the cell's picture layer at the given size (the
// cell's size; capped at kMaxChartSnapshotSide a side).
constexpr int kMaxChartSnapshotSide = 8192;
void renderChartSnapshot(Cell &cell, QSize size);
// Whether the snapshot was rendered at another size than the cell has now.
bool chartSnapshotStale(const Cell &cell, QSize size);

// The chart's mouse pointer over its draggable markers follows the cell's
// read-only setting.
void updateChartCursors(Cell &cell);

} // namespace cellvex
