#pragma once

#include <QFont>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

namespace cellvex {

// An axis title: horizontal, turned by its angle, or in vertical writing
// when its font asks for that ("@" family), whatever the angle.
class AxisTitleText
{
public:
    // The upright box the title takes.
    static QSizeF size(const QString &text, const QFont &font, int angle);
    // Draws the title centred in `box`.
    static void draw(QPainter &p, const QRectF &box, const QString &text, const QFont &font, int angle);
};

} // namespace cellvex
