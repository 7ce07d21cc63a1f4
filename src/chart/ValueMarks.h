#pragma once

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

namespace cellvex {

// The small boxed value shown next to a point, bar or slice when a series
// shows its marks. Boxes that would cover the last one drawn are left out,
// so that a dense series shows every few values instead of a smear.
class ValueMarks
{
public:
    enum class Side { Above, Below, Right, Left };

    // Boxes are kept inside `bounds` where they fit (a mark by the first bar
    // must not run over the axis labels).
    ValueMarks(QPainter &p, const QFont &font, const QRectF &bounds);
    // The value as a mark shows it: whole numbers without a fraction, others
    // to six significant digits.
    static QString format(double value);
    // A box on `side` of `anchor`.
    void draw(QPointF anchor, Side side, const QString &text);

private:
    QPainter &m_painter;
    QFont m_font;
    QRectF m_bounds;
    QRectF m_last;
};

} // namespace cellvex
