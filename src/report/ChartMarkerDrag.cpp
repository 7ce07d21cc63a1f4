#include "report/ChartMarkerDrag.h"

#include "cells/ChartCell.h"
#include "cells/ChartSeriesText.h"
#include "chart/ChartLayout.h"
#include "common/NumberCaption.h"
#include "common/PlainNumbers.h"

#include <QStringList>

#include <algorithm>
#include <numeric>

namespace cellvex {

namespace {

CellChart *chartOf(Report &report, int col, int row)
{
    Cell *c = report.cell(col, row);
    return c ? c->chart() : nullptr;
}

QSize snapshotSizeOf(const Cell &cell)
{
    const QImage *shown = cell.picture();
    return shown ? shown->size() : QSize();
}

// The list index of the marker at `markerIndex` in ascending x: markers are
// drawn sorted by x, equal x keeping their order in the list.
std::optional<int> draggedEntry(const QStringList &tokens, int count, int markerIndex)
{
    std::vector<double> xs;
    xs.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        double x = 0;
        if (2 * i >= tokens.size() ||
            readCaptionNumber(QStringView(tokens.at(2 * i)).trimmed(), x) != CaptionNumber::Number)
            return std::nullopt;
        xs.push_back(x);
    }
    std::vector<int> order(xs.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return xs[size_t(a)] < xs[size_t(b)]; });
    if (markerIndex < 0 || markerIndex >= int(order.size()))
        return std::nullopt;
    return order[size_t(markerIndex)];
}

} // namespace

bool pressChartMarker(Report &report, int col, int row, QPointF position)
{
    Cell *c = report.cell(col, row);
    CellChart *cc = c ? c->chart() : nullptr;
    if (!cc || c->readOnly())
        return false;
    const ChartLayout layout(cc->chart, snapshotSizeOf(*c));
    const std::optional<ChartPointHit> hit = layout.pointAt(cc->chart, position);
    if (!hit)
        return false;
    const int entry = cc->chart.series(hit->series).tag;
    if (entry < 0)
        return false;
    cc->dragSeries = entry;
    cc->dragPoint = hit->point;
    return true;
}

std::optional<AdjustedSeries> releaseChartMarker(Report &report, int col, int row, QPointF position)
{
    Cell *c = report.cell(col, row);
    CellChart *cc = c ? c->chart() : nullptr;
    if (!cc || cc->dragSeries < 0 || cc->dragSeries >= cc->chart.seriesCount())
        return std::nullopt;
    const ChartLayout layout(cc->chart, snapshotSizeOf(*c));
    double x = 0, y = 0;
    layout.positionToValues(cc->chart.series(cc->dragSeries), position, x, y);
    return moveDraggedMarker(report, col, row, x, y);
}

std::optional<AdjustedSeries> moveDraggedMarker(Report &report, int col, int row, double x, double y)
{
    Cell *c = report.cell(col, row);
    CellChart *cc = c ? c->chart() : nullptr;
    if (!cc)
        return std::nullopt;
    const int q = cc->dragSeries, markerIndex = cc->dragPoint;
    cc->dragSeries = -1;
    cc->dragPoint = -1;
    QList<ChartSeriesInfo> &entries = c->extension().seriesInfo;
    if (q < 0 || q + 1 >= entries.size() || q + 1 >= cc->chart.seriesCount())
        return std::nullopt;
    const ChartSeriesInfo entry = entries.at(q);
    if (!hasDraggableMarkers(entry.seriesType))
        return std::nullopt;
    const QString countText = countToken(entry.signText);
    if (!isDigitsText(countText) || countText.size() > 7)
        return std::nullopt;
    const int count = countText.toInt();

    QString markers, points;
    splitMarkerData(entry.dataText, markers, points);
    const QStringList pointTokens = points.split(QLatin1Char(','));
    const QString &shown = entry.seriesType == 11 ? points : markers;
    const std::optional<int> k = draggedEntry(shown.split(QLatin1Char(',')), count, markerIndex);
    if (!k || pointTokens.size() < 2 * count)
        return std::nullopt;

    QString list;
    for (int i = 0; i < count; ++i) {
        if (i == *k)
            list += generalNumberText(x) + QLatin1Char(',') + generalNumberText(y) + QLatin1Char(',');
        else
            list += pointTokens.at(2 * i) + QLatin1Char(',') + pointTokens.at(2 * i + 1) + QLatin1Char(',');
    }
    list.chop(1);
    const QString data = markers + QLatin1Char('@') + list;

    // The pair is drawn again from the new text, exactly as adding it would
    // draw it: for types 9 and 10 the markers stay where they were.
    std::optional<ChartSeriesSet> set =
        buildChartSeries(entry.seriesType, entry.signText, data, c->readOnly());
    if (!set || set->series.size() != 2)
        return std::nullopt;
    set->series[1].tag = q;
    cc->chart.series(q) = set->series[0];
    cc->chart.series(q + 1) = set->series[1];
    entries[q].dataText = data;

    renderChartSnapshot(*c, snapshotSizeOf(*c));
    report.setSaved(false);
    report.cellChanged(col, row, ReportChange::Value | ReportChange::Appearance);
    return AdjustedSeries{entry.seriesType, entry.signText, data, !c->readOnly()};
}

void cancelChartDrag(Report &report, int col, int row)
{
    if (CellChart *cc = chartOf(report, col, row)) {
        cc->dragSeries = -1;
        cc->dragPoint = -1;
    }
}

int chartCursorAt(const Report &report, int col, int row, QPointF position)
{
    const Cell *c = report.cell(col, row);
    const CellChart *cc = c ? c->chart() : nullptr;
    if (!cc)
        return int(Qt::ArrowCursor);
    const ChartLayout layout(cc->chart, snapshotSizeOf(*c));
    const std::optional<ChartPointHit> hit = layout.pointAt(cc->chart, position);
    return hit ? cc->chart.series(hit->series).pointCursor : int(Qt::ArrowCursor);
}

} // namespace cellvex
