#include "cells/ChartCell.h"

#include "cells/ChartSeriesText.h"
#include "chart/ChartPainter.h"
#include "common/Fonts.h"
#include "common/PlainNumbers.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace cellvex {

namespace {

// One axis text: caption, then optionally a log base above 1, then
// optionally "1" for an inverted axis. The caption ends at the first comma.
void applyAxisText(Chart &chart, AxisPosition a, AxisPosition b, const QString &text, const QFont &font,
                   bool vertical)
{
    const QStringList tokens = (text + QLatin1Char(',')).split(QLatin1Char(','));
    // The appended comma leaves an empty last token: a further token is one before it.
    const auto further = [&](int i) { return i < tokens.size() - 1; };
    for (AxisPosition p : {a, b}) {
        ChartAxis &axis = chart.axis(p);
        axis.title = tokens.at(0);
        axis.titleFont = font;
        if (vertical)
            axis.titleAngle = 270;
        axis.logarithmic = false;
        axis.inverted = false;
        if (further(1) && isDigitsText(tokens.at(1))) {
            bool ok = false;
            const double base = tokens.at(1).toDouble(&ok);
            if (ok && std::isfinite(base) && base > 1) {
                axis.logarithmic = true;
                axis.logBase = base;
            }
        }
        if (further(2) && tokens.at(2) == QLatin1String("1"))
            axis.inverted = true;
    }
}

ChartSeriesInfo companionEntry()
{
    return ChartSeriesInfo();
}

} // namespace

bool applyChart(Cell &cell, const QFont &cellFont, const ChartInfo &info)
{
    if (cell.diagonalType() != 0)
        return false;
    if (!cell.chart()) {
        // A picture the cell shows becomes the chart's background; the
        // picture layer then holds the chart's snapshot.
        const QImage shown = cell.haveImage() && cell.picture() ? *cell.picture() : QImage();
        const bool stretch = cell.imageStretch();
        CellChart &cc = cell.createChart();
        cc.chart = Chart();
        cc.chart.backgroundColor = Qt::white;
        cc.chart.legendVisible = false;
        cc.chart.view3D = false;
        cc.chart.bevel = false;
        cc.chart.labelFont = reportFont(kDefaultFontName, 9);
        cell.removePictureLayer();
        if (!shown.isNull()) {
            cc.chart.backgroundPicture = shown;
            cc.chart.backgroundStretch = stretch;
            cell.setFlag(Cell::HaveChartImageFlag, true);
            cell.setFlag(Cell::ImageStretchFlag, stretch);
        }
        cell.storeLayerImage(QImage());
    }
    Chart &chart = cell.chart()->chart;
    chart.titleFont = cellFont;
    chart.titleLines = info.titleText.isEmpty()
                           ? QStringList()
                           : info.titleText.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    QFont vertical = cellFont;
    vertical.setFamily(QLatin1Char('@') + cellFont.family());
    applyAxisText(chart, AxisPosition::Left, AxisPosition::Right, info.verticalText, vertical, true);
    applyAxisText(chart, AxisPosition::Top, AxisPosition::Bottom, info.horizontalText, cellFont, false);
    cell.extension().chartInfo = info;
    return true;
}

bool appendChartSeries(Cell &cell, int type, const QString &signText, const QString &dataText)
{
    CellChart *cc = cell.chart();
    if (!cc)
        return false;
    std::optional<ChartSeriesSet> set = buildChartSeries(type, signText, dataText, cell.readOnly());
    if (!set)
        return false;
    CellExtension &ext = cell.extension();
    const int entry = int(ext.seriesInfo.size());
    for (ChartSeries &s : set->series) {
        if (s.reportsPointPresses)
            s.tag = entry;
        cc->chart.addSeries(s);
    }
    ext.seriesInfo.append({std::int32_t(type), signText, set->storedData});
    if (set->series.size() > 1)
        ext.seriesInfo.append(companionEntry());
    return true;
}

bool clearChartSeries(Cell &cell)
{
    CellChart *cc = cell.chart();
    if (!cc)
        return false;
    cc->chart.clearSeries();
    cc->dragSeries = -1;
    cc->dragPoint = -1;
    cell.extension().seriesInfo.clear();
    return true;
}

void setChartBackground(Cell &cell, const QImage &image, bool stretch)
{
    CellChart *cc = cell.chart();
    if (!cc)
        return;
    const bool have = !image.isNull();
    cc->chart.backgroundPicture = image;
    cc->chart.backgroundStretch = have && stretch;
    cell.setFlag(Cell::HaveChartImageFlag, have);
    cell.setFlag(Cell::ImageStretchFlag, have && stretch);
}

QImage chartBackground(const Cell &cell)
{
    const CellChart *cc = cell.chart();
    return cc && cell.flag(Cell::HaveChartImageFlag) ? cc->chart.backgroundPicture.copy() : QImage();
}

namespace {

QSize snapshotSize(QSize size)
{
    return QSize(std::clamp(size.width(), 0, kMaxChartSnapshotSide),
                 std::clamp(size.height(), 0, kMaxChartSnapshotSide));
}

} // namespace

void renderChartSnapshot(Cell &cell, QSize size)
{
    const CellChart *cc = cell.chart();
    if (!cc)
        return;
    const QSize s = snapshotSize(size);
    cell.storeLayerImage(s.isEmpty() ? QImage() : renderChart(cc->chart, s));
}

bool chartSnapshotStale(const Cell &cell, QSize size)
{
    if (!cell.chart())
        return false;
    const QSize s = snapshotSize(size);
    const QImage *shown = cell.picture();
    return shown ? shown->size() != s : !s.isEmpty();
}

void updateChartCursors(Cell &cell)
{
    CellChart *cc = cell.chart();
    if (!cc)
        return;
    for (int i = 0; i < cc->chart.seriesCount(); ++i) {
        ChartSeries &s = cc->chart.series(i);
        if (s.reportsPointPresses)
            s.pointCursor = cell.readOnly() ? int(Qt::ArrowCursor) : int(Qt::SizeAllCursor);
    }
}

} // namespace cellvex
