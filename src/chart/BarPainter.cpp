#include "chart/BarPainter.h"

#include "chart/ValueMarks.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace cellvex {

namespace {

constexpr double kThinBar = 2;

} // namespace

QRectF BarPainter::barRect(int seriesIndex, const ChartSeries &s, const ChartPoint &p, double base) const
{
    const bool vertical = s.kind() == SeriesKind::VerticalBar;
    const AxisScale &values = vertical ? m_layout.verticalScale(s) : m_layout.horizontalScale(s);
    const std::optional<double> end = values.toPixel(p.y);
    if (!end || !std::isfinite(p.x))
        return QRectF();
    const auto [a, b] = m_layout.barSpan(seriesIndex, p.x);
    if (!(b > a))
        return QRectF();
    // Whole pixels: bars side by side meet without a seam or a blur.
    const double lo = std::round(std::min(base, *end));
    const double hi = std::round(std::max(base, *end));
    const double ra = std::round(a);
    const double rb = std::max(ra + 1, std::round(b));
    return vertical ? QRectF(ra, lo, rb - ra, hi - lo) : QRectF(lo, ra, hi - lo, rb - ra);
}

void BarPainter::drawBars(int seriesIndex, const ChartSeries &s, QColor color)
{
    const double base = m_layout.barBase(s);
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setBrush(color);
    m_painter.setPen(Qt::NoPen);
    const QColor edge = color.darker(140);
    const bool vertical = s.kind() == SeriesKind::VerticalBar;
    // Bars narrower than a few pixels that fall on the same pixels across
    // their axis are drawn as one, so that a million values cost a few
    // hundred rectangles.
    QRectF pending;
    auto across = [vertical](const QRectF &r) {
        return vertical ? std::pair{r.left(), r.width()} : std::pair{r.top(), r.height()};
    };
    for (const ChartPoint &p : s.points()) {
        const QRectF r = barRect(seriesIndex, s, p, base);
        if (r.isNull())
            continue;
        const double thickness = vertical ? r.width() : r.height();
        if (thickness <= kThinBar) {
            if (!pending.isNull() && across(pending) == across(r)) {
                pending = pending.united(r);
                continue;
            }
            if (!pending.isNull())
                m_painter.fillRect(pending, color);
            pending = r;
            continue;
        }
        m_painter.fillRect(r, color);
        if (r.width() >= 4 && r.height() >= 2) {
            // An outline inside the bar keeps neighbours of one colour apart.
            m_painter.setPen(edge);
            m_painter.setBrush(Qt::NoBrush);
            m_painter.drawRect(r.adjusted(0, 0, -1, -1));
            m_painter.setPen(Qt::NoPen);
        }
    }
    if (!pending.isNull())
        m_painter.fillRect(pending, color);
    m_painter.restore();
}

void BarPainter::drawMarks(int seriesIndex, const ChartSeries &s)
{
    const bool vertical = s.kind() == SeriesKind::VerticalBar;
    const double base = m_layout.barBase(s);
    ValueMarks marks(m_painter, m_layout.labelFont(), m_layout.markBounds());
    // Bars closer than a narrow mark cannot all have one; those are skipped
    // before their value is formatted.
    const QFontMetricsF fm(m_layout.labelFont());
    const double spacing = vertical ? fm.averageCharWidth() * 2 : fm.height();
    double last = -1e300;
    for (const ChartPoint &p : s.points()) {
        const QRectF r = barRect(seriesIndex, s, p, base);
        if (r.isNull())
            continue;
        const double at = vertical ? r.center().x() : r.center().y();
        if (std::fabs(at - last) < spacing)
            continue;
        last = at;
        const QString text = ValueMarks::format(p.y);
        if (vertical) {
            // Past the bar's end, away from its base.
            const bool down = r.bottom() > base + 0.5;
            marks.draw(QPointF(r.center().x(), down ? r.bottom() : r.top()),
                       down ? ValueMarks::Side::Below : ValueMarks::Side::Above, text);
        } else {
            const bool left = r.left() < base - 0.5;
            marks.draw(QPointF(left ? r.left() : r.right(), r.center().y()),
                       left ? ValueMarks::Side::Left : ValueMarks::Side::Right, text);
        }
    }
}

} // namespace cellvex
