#include "chart/AxisPainter.h"

#include "chart/AxisTitleText.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace cellvex {

namespace {

bool isHorizontal(AxisPosition p)
{
    return p == AxisPosition::Top || p == AxisPosition::Bottom;
}

} // namespace

AxisPainter::AxisPainter(QPainter &p, const Chart &chart, const ChartLayout &layout)
    : m_painter(p), m_chart(chart), m_layout(layout), m_ink(ChartInk::on(chart.backgroundColor))
{
}

void AxisPainter::drawGrid()
{
    const QRectF plot = m_layout.plotArea();
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setPen(QPen(m_ink.grid, 0));
    // Only the main axes rule the plot; a second scale's grid would cross it.
    for (AxisPosition a : {AxisPosition::Left, AxisPosition::Bottom}) {
        if (m_layout.isCategoryAxis(a))
            continue;
        const AxisScale &s = m_layout.scale(a);
        for (double t : s.ticks) {
            const std::optional<double> at = s.toPixel(t);
            if (!at)
                continue;
            const double px = std::round(*at);
            if (isHorizontal(a)) {
                if (px > plot.left() && px < plot.right())
                    m_painter.drawLine(QPointF(px, plot.top()), QPointF(px, plot.bottom()));
            } else if (px > plot.top() && px < plot.bottom()) {
                m_painter.drawLine(QPointF(plot.left(), px), QPointF(plot.right(), px));
            }
        }
    }
    m_painter.setPen(QPen(m_ink.frame, 0));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(plot);
    m_painter.restore();
}

void AxisPainter::drawAxes()
{
    const QRectF plot = m_layout.plotArea();
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setPen(QPen(m_ink.axis, 0));
    if (m_layout.axisShown(AxisPosition::Left))
        m_painter.drawLine(plot.topLeft(), plot.bottomLeft());
    if (m_layout.axisShown(AxisPosition::Right))
        m_painter.drawLine(plot.topRight(), plot.bottomRight());
    if (m_layout.axisShown(AxisPosition::Top))
        m_painter.drawLine(plot.topLeft(), plot.topRight());
    if (m_layout.axisShown(AxisPosition::Bottom))
        m_painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    for (AxisPosition a :
         {AxisPosition::Left, AxisPosition::Right, AxisPosition::Top, AxisPosition::Bottom}) {
        if (!m_layout.axisShown(a))
            continue;
        drawTicks(a);
        const ChartAxis &axis = m_chart.axis(a);
        m_painter.setPen(m_ink.text);
        AxisTitleText::draw(m_painter, m_layout.axisTitleRect(a), axis.title, axis.titleFont,
                            axis.titleAngle);
    }
    m_painter.restore();
}

void AxisPainter::drawTicks(AxisPosition a)
{
    const QRectF plot = m_layout.plotArea();
    const AxisScale &s = m_layout.scale(a);
    const QFontMetricsF fm(m_layout.labelFont());
    const double tick = ChartLayout::kTickLength;
    m_painter.setFont(m_layout.labelFont());
    m_painter.setPen(QPen(m_ink.axis, 0));
    const double minor = tick / 2;
    for (double t : s.minorTicks) {
        const std::optional<double> at = s.toPixel(t);
        if (!at)
            continue;
        const double px = std::round(*at);
        switch (a) {
        case AxisPosition::Left:
            m_painter.drawLine(QPointF(plot.left() - minor, px), QPointF(plot.left(), px));
            break;
        case AxisPosition::Right:
            m_painter.drawLine(QPointF(plot.right(), px), QPointF(plot.right() + minor, px));
            break;
        case AxisPosition::Top:
            m_painter.drawLine(QPointF(px, plot.top() - minor), QPointF(px, plot.top()));
            break;
        case AxisPosition::Bottom:
            m_painter.drawLine(QPointF(px, plot.bottom()), QPointF(px, plot.bottom() + minor));
            break;
        }
    }
    for (size_t i = 0; i < s.ticks.size(); ++i) {
        const std::optional<double> at = s.toPixel(s.ticks[i]);
        if (!at)
            continue;
        const double px = std::round(*at);
        const QString label = i < s.tickLabels.size() ? s.tickLabels[i] : QString();
        const double w = fm.horizontalAdvance(label) + 2;
        const double h = fm.height();
        m_painter.setPen(QPen(m_ink.axis, 0));
        QRectF box;
        int align = Qt::AlignCenter;
        switch (a) {
        case AxisPosition::Left:
            m_painter.drawLine(QPointF(plot.left() - tick, px), QPointF(plot.left(), px));
            box = QRectF(plot.left() - tick - 2 - w, px - h / 2, w, h);
            align = Qt::AlignRight | Qt::AlignVCenter;
            break;
        case AxisPosition::Right:
            m_painter.drawLine(QPointF(plot.right(), px), QPointF(plot.right() + tick, px));
            box = QRectF(plot.right() + tick + 2, px - h / 2, w, h);
            align = Qt::AlignLeft | Qt::AlignVCenter;
            break;
        case AxisPosition::Top:
            m_painter.drawLine(QPointF(px, plot.top() - tick), QPointF(px, plot.top()));
            box = QRectF(px - w / 2, plot.top() - tick - 1 - h, w, h);
            break;
        case AxisPosition::Bottom:
            m_painter.drawLine(QPointF(px, plot.bottom()), QPointF(px, plot.bottom() + tick));
            box = QRectF(px - w / 2, plot.bottom() + tick + 1, w, h);
            break;
        }
        if (label.isEmpty())
            continue;
        m_painter.setPen(m_ink.text);
        m_painter.drawText(box, align, label);
    }
}

} // namespace cellvex
