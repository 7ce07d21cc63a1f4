#include "chart/XYSeriesPainter.h"

#include "chart/MarkerShape.h"
#include "chart/ValueMarks.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace cellvex {

namespace {

// Past this many points a series' markers are thinned to one per pixel.
constexpr int kDenseMarkers = 2000;

// Keeps a pixel column's extreme points in the order they came.
class ColumnReducer
{
public:
    explicit ColumnReducer(QPolygonF &out) : m_out(out) {}

    void add(QPointF p)
    {
        const double column = std::floor(p.x());
        if (m_count > 0 && column != m_column)
            flush();
        if (m_count == 0) {
            m_column = column;
            m_first = m_low = m_high = m_last = p;
            m_lowIndex = m_highIndex = 0;
        } else {
            if (p.y() < m_low.y()) {
                m_low = p;
                m_lowIndex = m_count;
            }
            if (p.y() > m_high.y()) {
                m_high = p;
                m_highIndex = m_count;
            }
            m_last = p;
        }
        ++m_count;
    }

    void flush()
    {
        if (m_count == 0)
            return;
        m_out << m_first;
        if (m_count > 1) {
            const bool lowFirst = m_lowIndex <= m_highIndex;
            const QPointF a = lowFirst ? m_low : m_high;
            const QPointF b = lowFirst ? m_high : m_low;
            if (a != m_first)
                m_out << a;
            if (b != a && b != m_first)
                m_out << b;
            if (m_last != b)
                m_out << m_last;
        }
        m_count = 0;
    }

private:
    QPolygonF &m_out;
    double m_column = 0;
    int m_count = 0;
    int m_lowIndex = 0;
    int m_highIndex = 0;
    QPointF m_first, m_low, m_high, m_last;
};

} // namespace

QPen XYSeriesPainter::pen(ChartPenStyle style, int width, QColor color)
{
    QPen pen(color, std::clamp(width, 1, 50));
    switch (style) {
    case ChartPenStyle::None:
        return QPen(Qt::NoPen);
    case ChartPenStyle::Dash:
        pen.setStyle(Qt::DashLine);
        break;
    case ChartPenStyle::DashDot:
        pen.setStyle(Qt::DashDotLine);
        break;
    case ChartPenStyle::DashDotDot:
        pen.setStyle(Qt::DashDotDotLine);
        break;
    case ChartPenStyle::Dot:
        pen.setStyle(Qt::DotLine);
        break;
    default:
        break;
    }
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

std::vector<QPolygonF> XYSeriesPainter::polylines(const ChartLayout &layout, const ChartSeries &s)
{
    std::vector<QPolygonF> runs;
    const std::vector<ChartPoint> &points = s.points();
    const bool reduce = double(points.size()) > std::max(64.0, layout.plotArea().width() * 2);
    QPolygonF current;
    ColumnReducer reducer(current);
    auto endRun = [&] {
        reducer.flush();
        if (!current.isEmpty())
            runs.push_back(std::move(current));
        current = QPolygonF();
    };
    for (const ChartPoint &point : points) {
        const std::optional<QPointF> at = layout.pointPosition(s, point);
        if (!at) {
            endRun();
            continue;
        }
        if (reduce)
            reducer.add(*at);
        else
            current << *at;
    }
    endRun();
    return runs;
}

void XYSeriesPainter::drawLine(const ChartSeries &s, QColor color)
{
    if (s.penStyle == ChartPenStyle::None)
        return;
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setPen(pen(s.penStyle, s.penWidth, color));
    m_painter.setBrush(Qt::NoBrush);
    for (const QPolygonF &run : polylines(m_layout, s)) {
        if (run.size() == 1)
            m_painter.drawPoint(run.front());
        else
            m_painter.drawPolyline(run);
    }
    m_painter.restore();
}

void XYSeriesPainter::drawArea(const ChartSeries &s, QColor color)
{
    const double base = m_layout.barBase(s);
    QColor fill = color;
    fill.setAlpha(170);
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    for (const QPolygonF &run : polylines(m_layout, s)) {
        QPolygonF shape = run;
        shape << QPointF(run.back().x(), base) << QPointF(run.front().x(), base);
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(fill);
        m_painter.drawPolygon(shape);
        if (s.penStyle != ChartPenStyle::None && run.size() > 1) {
            m_painter.setPen(pen(s.penStyle, s.penWidth, color.darker(130)));
            m_painter.setBrush(Qt::NoBrush);
            m_painter.drawPolyline(run);
        }
    }
    m_painter.restore();
}

void XYSeriesPainter::drawPoints(const ChartSeries &s, QColor color)
{
    const MarkerStyle style = s.markerStyle;
    const bool filled = MarkerShape::isFilled(style);
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    if (filled) {
        m_painter.setPen(QPen(color.darker(150), 1));
        m_painter.setBrush(color);
    } else {
        m_painter.setPen(QPen(color, 1));
        m_painter.setBrush(Qt::NoBrush);
    }
    // A marker centred on a pixel that already has one of this series adds
    // nothing: a dense series costs one marker per pixel, not per point.
    const QSize size = m_layout.size();
    const bool dense = s.count() > kDenseMarkers;
    std::vector<bool> taken(dense ? size_t(size.width()) * size_t(size.height()) : 0);
    for (const ChartPoint &point : s.points()) {
        const std::optional<QPointF> at = m_layout.pointPosition(s, point);
        if (!at)
            continue;
        const QPoint pixel = at->toPoint();
        if (dense && QRect(QPoint(0, 0), size).contains(pixel)) {
            const size_t i = size_t(pixel.y()) * size_t(size.width()) + size_t(pixel.x());
            if (taken[i])
                continue;
            taken[i] = true;
        }
        m_painter.drawPath(MarkerShape::path(style, *at, s.markerWidth, s.markerHeight));
    }
    m_painter.restore();
}

void XYSeriesPainter::drawMarks(const ChartSeries &s)
{
    ValueMarks marks(m_painter, m_layout.labelFont(), m_layout.markBounds());
    const double up = s.kind() == SeriesKind::Point ? std::max(0, s.markerHeight) : 0;
    // Points closer than a narrow mark cannot all have one: skipping them
    // before formatting keeps a dense series cheap.
    const double spacing = QFontMetricsF(m_layout.labelFont()).averageCharWidth() * 2;
    double lastX = -1e300;
    for (const ChartPoint &point : s.points()) {
        const std::optional<QPointF> at = m_layout.pointPosition(s, point);
        if (!at || std::fabs(at->x() - lastX) < spacing)
            continue;
        lastX = at->x();
        marks.draw(QPointF(at->x(), at->y() - up), ValueMarks::Side::Above, ValueMarks::format(point.y));
    }
}

} // namespace cellvex
