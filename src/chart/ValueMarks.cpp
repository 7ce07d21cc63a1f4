#include "chart/ValueMarks.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace cellvex {

ValueMarks::ValueMarks(QPainter &p, const QFont &font, const QRectF &bounds)
    : m_painter(p), m_font(font), m_bounds(bounds)
{
}

QString ValueMarks::format(double value)
{
    if (!std::isfinite(value))
        return QString();
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(qint64(value));
    return QString::number(value, 'g', 6);
}

void ValueMarks::draw(QPointF anchor, Side side, const QString &text)
{
    if (text.isEmpty() || !std::isfinite(anchor.x()) || !std::isfinite(anchor.y()))
        return;
    const QFontMetricsF fm(m_font);
    const double w = fm.horizontalAdvance(text) + 4;
    const double h = fm.height() + 1;
    constexpr double kOffset = 3;
    QPointF topLeft;
    switch (side) {
    case Side::Above:
        topLeft = QPointF(anchor.x() - w / 2, anchor.y() - kOffset - h);
        break;
    case Side::Below:
        topLeft = QPointF(anchor.x() - w / 2, anchor.y() + kOffset);
        break;
    case Side::Right:
        topLeft = QPointF(anchor.x() + kOffset, anchor.y() - h / 2);
        break;
    case Side::Left:
        topLeft = QPointF(anchor.x() - kOffset - w, anchor.y() - h / 2);
        break;
    }
    if (w <= m_bounds.width())
        topLeft.setX(std::clamp(topLeft.x(), m_bounds.left(), m_bounds.right() - w));
    if (h <= m_bounds.height())
        topLeft.setY(std::clamp(topLeft.y(), m_bounds.top(), m_bounds.bottom() - h));
    const QRectF box(QPointF(std::round(topLeft.x()), std::round(topLeft.y())),
                     QSizeF(std::ceil(w), std::ceil(h)));
    if (!m_last.isNull() && box.intersects(m_last))
        return;
    m_last = box;
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setPen(QColor(0x90, 0x90, 0x90));
    m_painter.setBrush(QColor(255, 255, 255, 230));
    m_painter.drawRect(box);
    m_painter.setPen(QColor(0x20, 0x20, 0x20));
    m_painter.setFont(m_font);
    m_painter.drawText(box, Qt::AlignCenter, text);
    m_painter.restore();
}

} // namespace cellvex
