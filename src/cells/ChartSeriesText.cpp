#include "cells/ChartSeriesText.h"

#include "chart/CurveFitting.h"
#include "common/Colors.h"
#include "common/NumberCaption.h"
#include "common/PlainNumbers.h"
#include "common/ReportError.h"

#include <QStringList>

#include <algorithm>
#include <limits>

namespace cellvex {

namespace {

// Widths beyond these only cost drawing time; a series stays legible.
constexpr int kMaxPenWidth = 64;
constexpr int kMaxMarkerExtent = 256;

// What a style token sets, and on which series of the entry (0 the first or
// only series, 1 the markers of a curve type).
enum class Role { Terms, Color, PenStyle, PenWidth, Marks, MarkerWidth, MarkerHeight, MarkerStyle, Axes };
struct Style
{
    Role role;
    int target;
};

std::vector<Style> styleTokens(int type)
{
    using R = Role;
    const std::vector<Style> markers = {
        {R::Color, 1}, {R::MarkerWidth, 1}, {R::MarkerHeight, 1}, {R::MarkerStyle, 1}, {R::Axes, 1}};
    std::vector<Style> curve = {{R::Color, 0}, {R::PenStyle, 0}, {R::PenWidth, 0}};
    switch (type) {
    case 1:
    case 7:
        return {{R::Color, 0}, {R::PenStyle, 0}, {R::PenWidth, 0}, {R::Axes, 0}};
    case 2:
    case 3:
        return {{R::Color, 0}, {R::Marks, 0}, {R::Axes, 0}};
    case 4:
        return {{R::Color, 0}, {R::Axes, 0}};
    case 5:
        return {{R::Color, 0}, {R::MarkerWidth, 0}, {R::MarkerHeight, 0}, {R::MarkerStyle, 0}, {R::Axes, 0}};
    case 6:
        return {{R::Marks, 0}};
    case 8:
    case 11:
        curve.insert(curve.begin(), Style{R::Terms, 0});
        [[fallthrough]];
    case 9:
    case 10:
        curve.insert(curve.end(), markers.begin(), markers.end());
        return curve;
    default:
        return {};
    }
}

QStringList trimmedTokens(const QString &text)
{
    QStringList tokens = text.split(QLatin1Char(','));
    for (QString &t : tokens)
        t = t.trimmed();
    return tokens;
}

// A digits-only token as a signed 32-bit value; nullopt for any other token.
std::optional<std::int32_t> digitsValue(const QString &token, const char *what)
{
    if (!isDigitsText(token))
        return std::nullopt;
    std::int64_t v = 0;
    for (QChar c : token) {
        v = v * 10 + (c.unicode() - u'0');
        if (v > std::numeric_limits<std::int32_t>::max())
            throw ReportError(
                QStringLiteral("图表序列的%1 %2 超出了 32 位整数的范围").arg(QString::fromUtf8(what), token));
    }
    return std::int32_t(v);
}

ChartPenStyle penStyleOf(int v, ChartPenStyle fallback)
{
    return v >= 0 && v <= 6 ? ChartPenStyle(v) : fallback;
}

MarkerStyle markerStyleOf(int v, MarkerStyle fallback)
{
    return v >= 0 && v <= 8 ? MarkerStyle(v) : fallback;
}

void applyStyle(const Style &s, const QString &token, std::vector<ChartSeries> &series)
{
    ChartSeries &target = series[size_t(std::min<int>(s.target, int(series.size()) - 1))];
    switch (s.role) {
    case Role::Terms:
        break; // read before the series were made
    case Role::Color:
        if (const auto v = digitsValue(token, "颜色"))
            target.color = toQColor(ColorRef(*v));
        break;
    case Role::PenStyle:
        if (const auto v = digitsValue(token, "线型"))
            target.penStyle = penStyleOf(*v, target.penStyle);
        break;
    case Role::PenWidth:
        if (const auto v = digitsValue(token, "线宽"))
            target.penWidth = std::min(*v, kMaxPenWidth);
        break;
    case Role::Marks:
        target.marksVisible = token == QLatin1String("1");
        break;
    case Role::MarkerWidth:
        if (const auto v = digitsValue(token, "标记宽度"))
            target.markerWidth = std::min(*v, kMaxMarkerExtent);
        break;
    case Role::MarkerHeight:
        if (const auto v = digitsValue(token, "标记高度"))
            target.markerHeight = std::min(*v, kMaxMarkerExtent);
        break;
    case Role::MarkerStyle:
        if (const auto v = digitsValue(token, "标记样式"))
            target.markerStyle = markerStyleOf(*v, target.markerStyle);
        break;
    case Role::Axes:
        // First character: "0" the bottom axis, else the top; second: "0" the
        // left axis, else (or none) the right. An empty token keeps both.
        if (!token.isEmpty()) {
            target.onTopAxis = token.at(0) != QLatin1Char('0');
            target.onRightAxis = token.size() < 2 || token.at(1) != QLatin1Char('0');
        }
        break;
    }
}

// Reads `count` pairs from a comma list: numbers (trimmed) or, for value
// series, a number and a label taken as it stands.
std::optional<std::vector<ChartPoint>> readPairs(const QString &list, int count, bool labelled)
{
    const QStringList tokens = list.split(QLatin1Char(','));
    if (tokens.size() / 2 < count)
        return std::nullopt;
    std::vector<ChartPoint> points;
    points.reserve(size_t(count));
    auto number = [](const QString &token, double &value) {
        switch (readCaptionNumber(QStringView(token).trimmed(), value)) {
        case CaptionNumber::Number:
            return true;
        case CaptionNumber::Unreadable:
            throw ReportError(QStringLiteral("图表数据中的“%1”不是可读的数").arg(token.trimmed()));
        case CaptionNumber::NotNumeric:
            break;
        }
        return false;
    };
    for (int i = 0; i < count; ++i) {
        ChartPoint p;
        const QString &first = tokens.at(2 * i), &second = tokens.at(2 * i + 1);
        if (labelled) {
            if (!number(first, p.y))
                return std::nullopt;
            p.label = second;
        } else if (!number(first, p.x) || !number(second, p.y)) {
            return std::nullopt;
        }
        points.push_back(std::move(p));
    }
    return points;
}

CurvePoints curvePoints(const std::vector<ChartPoint> &points)
{
    CurvePoints c;
    c.x.reserve(points.size());
    c.y.reserve(points.size());
    for (const ChartPoint &p : points) {
        c.x.push_back(p.x);
        c.y.push_back(p.y);
    }
    return c;
}

void addPoints(ChartSeries &s, const std::vector<ChartPoint> &points)
{
    for (const ChartPoint &p : points)
        s.addXY(p.x, p.y);
}

void addCurve(ChartSeries &s, const CurvePoints &curve)
{
    for (int k = 0; k < curve.size(); ++k)
        s.addXY(curve.x[size_t(k)], curve.y[size_t(k)]);
}

SeriesKind kindOf(int type)
{
    switch (type) {
    case 2:
        return SeriesKind::VerticalBar;
    case 3:
        return SeriesKind::HorizontalBar;
    case 4:
        return SeriesKind::Area;
    case 5:
        return SeriesKind::Point;
    case 6:
        return SeriesKind::Pie;
    default:
        return SeriesKind::Line;
    }
}

} // namespace

void splitMarkerData(const QString &data, QString &markers, QString &points)
{
    const qsizetype at = data.indexOf(QLatin1Char('@'));
    if (at < 0) {
        markers = data;
        points = data;
    } else {
        markers = data.left(at);
        points = data.mid(at + 1);
    }
}

QString countToken(const QString &signText)
{
    return signText.section(QLatin1Char(','), 0, 0).trimmed();
}

QString termsToken(const QString &signText)
{
    const QStringList tokens = signText.split(QLatin1Char(','));
    return tokens.size() > 1 ? tokens.at(1).trimmed() : QString();
}

std::optional<ChartSeriesSet> buildChartSeries(int type, const QString &signText, const QString &dataText,
                                               bool readOnly)
{
    if (type < 1 || type > 11)
        return std::nullopt;
    const QStringList signs = trimmedTokens(signText);
    const std::optional<std::int32_t> count = digitsValue(signs.at(0), "点数");
    if (!count)
        return std::nullopt;
    if (*count > kMaxChartSeriesPoints)
        throw ReportError(
            QStringLiteral("图表序列的点数 %1 超过了 %2 的上限").arg(*count).arg(kMaxChartSeriesPoints));
    int terms = 0;
    const bool fitted = type == 8 || type == 11;
    if (fitted) {
        if (signs.size() < 2 || !isDigitsText(signs.at(1)))
            return std::nullopt;
        // Only the clamped value matters, so any number of digits is fine.
        QString t = signs.at(1);
        while (t.size() > 1 && t.at(0) == QLatin1Char('0'))
            t.remove(0, 1);
        terms = t.size() > 2 ? 6 : std::clamp(t.toInt(), 2, 6);
    }

    ChartSeriesSet set;
    const bool pair = isCurveWithMarkers(type);
    set.series.emplace_back(kindOf(type));
    if (pair) {
        set.series.emplace_back(SeriesKind::Point);
        ChartSeries &markers = set.series.back();
        if (hasDraggableMarkers(type)) {
            markers.reportsPointPresses = true;
            markers.pointCursor = readOnly ? int(Qt::ArrowCursor) : int(Qt::SizeAllCursor);
        }
    }
    const std::vector<Style> styles = styleTokens(type);
    for (size_t i = 0; i < styles.size() && int(i) + 1 < signs.size(); ++i)
        applyStyle(styles[i], signs.at(int(i) + 1), set.series);

    const bool labelled = type == 2 || type == 3 || type == 6;
    if (!hasDraggableMarkers(type)) {
        const auto points = readPairs(dataText, *count, labelled);
        if (!points)
            return std::nullopt;
        set.storedData = dataText;
        ChartSeries &first = set.series.front();
        if (labelled) {
            for (const ChartPoint &p : *points)
                first.addValue(p.y, p.label);
        } else if (type == 7) {
            CurvePoints c = curvePoints(*points);
            if (sortStrictlyByX(c))
                addCurve(first, sampleSpline(c));
        } else if (type == 8) {
            addPoints(set.series[1], *points);
            CurvePoints c = curvePoints(*points);
            sortByX(c);
            addCurve(first, samplePolynomial(c, terms));
        } else {
            addPoints(first, *points);
        }
        return set;
    }

    QString markerList, pointList;
    splitMarkerData(dataText, markerList, pointList);
    set.storedData =
        dataText.contains(QLatin1Char('@')) ? dataText : dataText + QStringLiteral(",@") + dataText;
    std::optional<std::vector<ChartPoint>> markers;
    if (type != 11) {
        markers = readPairs(markerList, *count, false);
        if (!markers)
            return std::nullopt;
    }
    const auto points = readPairs(pointList, *count, false);
    if (!points)
        return std::nullopt;
    ChartSeries &curve = set.series[0];
    CurvePoints c = curvePoints(*points);
    if (type == 9) {
        addPoints(set.series[1], *markers);
        addPoints(curve, *points);
    } else if (type == 10) {
        addPoints(set.series[1], *markers);
        if (sortStrictlyByX(c))
            addCurve(curve, sampleSpline(c));
    } else {
        addPoints(set.series[1], *points);
        sortByX(c);
        addCurve(curve, samplePolynomial(c, terms));
    }
    return set;
}

} // namespace cellvex
