#include "chart/PiePainter.h"

#include "chart/ChartPalette.h"
#include "chart/ValueMarks.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>
#include <numbers>

namespace cellvex {

namespace {

// A sixteenth of a degree is the finest angle Qt draws a slice at; below
// half a degree a slice is a hairline.
constexpr double kThinnestSlice = 0.5;

// Slices of what a pie can show: positive, finite values.
double sliceValue(const ChartPoint &p)
{
    return std::isfinite(p.y) && p.y > 0 ? p.y : 0;
}

} // namespace

void PiePainter::draw(int seriesIndex, const ChartSeries &s)
{
    const QRectF square = m_layout.pieRect(seriesIndex);
    if (square.width() < 1)
        return;
    double total = 0;
    for (const ChartPoint &p : s.points())
        total += sliceValue(p);
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    if (!(total > 0) || !std::isfinite(total)) {
        m_painter.setPen(m_ink.frame);
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawEllipse(square);
        m_painter.restore();
        return;
    }
    // Qt counts sixteenths of a degree counter-clockwise from three o'clock.
    double start = 90;
    m_painter.setPen(QPen(Qt::white, 1));
    const std::vector<ChartPoint> &points = s.points();
    // Slices too thin to see are gathered into one of the colour of the
    // first of them: a pie of a million values stays a pie, drawn quickly.
    double pending = 0;
    size_t pendingFirst = 0;
    auto drawPending = [&] {
        if (pending <= 0)
            return;
        m_painter.setBrush(ChartPalette::color(int(pendingFirst % size_t(ChartPalette::size()))));
        m_painter.drawPie(square, int(std::lround(start * 16)), -std::max(1, int(std::lround(pending * 16))));
        start -= pending;
        pending = 0;
    };
    for (size_t k = 0; k < points.size(); ++k) {
        const double v = sliceValue(points[k]);
        if (v == 0)
            continue;
        if (pending == 0)
            pendingFirst = k;
        pending += v / total * 360;
        if (pending >= kThinnestSlice)
            drawPending();
    }
    drawPending();
    m_painter.restore();
    if (s.marksVisible)
        drawMarks(s, square, total);
}

void PiePainter::drawMarks(const ChartSeries &s, const QRectF &square, double total)
{
    const QPointF centre = square.center();
    const double r = square.width() / 2;
    const QFontMetricsF fm(m_layout.labelFont());
    double start = 90;
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setFont(m_layout.labelFont());
    QRectF last;
    for (const ChartPoint &p : s.points()) {
        const double v = sliceValue(p);
        if (v == 0)
            continue;
        const double span = v / total * 360;
        const double mid = (start - span / 2) * std::numbers::pi / 180;
        start -= span;
        // A slice whose rim is shorter than a line of text has no room for a label.
        if (span * std::numbers::pi / 180 * r < fm.height() * 0.5)
            continue;
        const QPointF dir(std::cos(mid), -std::sin(mid));
        const QPointF rim = centre + dir * r;
        const QPointF out = centre + dir * (r + 6);
        const QString value = ValueMarks::format(p.y);
        const QString text = p.label.isEmpty() ? value : p.label + QLatin1Char(' ') + value;
        const double w = fm.horizontalAdvance(text);
        const double h = fm.height();
        const bool right = dir.x() >= 0;
        QRectF box(right ? out.x() + 2 : out.x() - 2 - w, out.y() - h / 2, w, h);
        // Thin slices crowd their labels: one over another is left out.
        if (!last.isNull() && box.intersects(last))
            continue;
        last = box;
        m_painter.setPen(m_ink.axis);
        m_painter.drawLine(rim, out);
        m_painter.setPen(m_ink.text);
        m_painter.drawText(box, Qt::AlignVCenter | (right ? Qt::AlignLeft : Qt::AlignRight), text);
    }
    m_painter.restore();
}

} // namespace cellvex
