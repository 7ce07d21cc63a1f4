#pragma once

#include "chart/ChartSeries.h"

#include <QString>

#include <optional>
#include <vector>

namespace cellvex {

// The largest point count a series text may ask for: every point is kept
// (and for curves fitted), so a larger count would only exhaust memory.
constexpr int kMaxChartSeriesPoints = 1000000;

// The chart series one series entry of a chart cell stands for: one series,
// or for the curve types 8-11 the curve followed by its markers.
struct ChartSeriesSet
{
    std::vector<ChartSeries> series;
    // The data text as the entry keeps it: the adjustable types (9-11) in the
    // "markers @ curve points" form.
    QString storedData;
};

// Builds the series of a series entry from its type (1-11), sign text (count
// and style tokens) and data text (the values). nullopt when the texts
// describe no series: a type outside 1-11, a count (or, for types 8 and 11,
// terms) token that is not digits only, a number token that is no number,
// or too few values. Throws ReportError, building nothing, for a number
// that looks numeric but cannot be read (a lone "."), and for a count or a
// style value beyond a signed 32-bit integer or a count beyond
// kMaxChartSeriesPoints. The marker series of types 9-11 report presses on
// their points and show the move pointer unless `readOnly`.
std::optional<ChartSeriesSet> buildChartSeries(int type, const QString &signText, const QString &dataText,
                                               bool readOnly);

// Whether a series type draws a curve with markers (two series, two entries).
inline bool isCurveWithMarkers(int type)
{
    return type >= 8 && type <= 11;
}
// Whether its markers can be dragged.
inline bool hasDraggableMarkers(int type)
{
    return type >= 9 && type <= 11;
}

// The two point lists of an adjustable type's data text, split at the first
// "@"; a text without "@" stands for both.
void splitMarkerData(const QString &data, QString &markers, QString &points);

// The first token of a sign text (the count) and, for types 8 and 11, the
// terms token, each trimmed; empty when missing.
QString countToken(const QString &signText);
QString termsToken(const QString &signText);

} // namespace cellvex
