#include "chart/AxisTitleText.h"

#include "chart/ChartFonts.h"
#include "chart/VerticalText.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>
#include <numbers>

namespace cellvex {

namespace {

double radians(int angle)
{
    return double(((angle % 360) + 360) % 360) * std::numbers::pi / 180;
}

} // namespace

QSizeF AxisTitleText::size(const QString &text, const QFont &font, int angle)
{
    if (text.isEmpty())
        return QSizeF(0, 0);
    const QFont f = ChartFonts::plainForm(font);
    if (ChartFonts::isVerticalForm(font))
        return VerticalText::size(text, f);
    const QFontMetricsF fm(f);
    const double w = fm.horizontalAdvance(text);
    const double h = fm.height();
    const double a = radians(angle);
    // Rounded so that 90 and 270 give exact boxes, not cos(90°) leftovers.
    const double c = std::round(std::fabs(std::cos(a)) * 1e9) / 1e9;
    const double s = std::round(std::fabs(std::sin(a)) * 1e9) / 1e9;
    return QSizeF(w * c + h * s, w * s + h * c);
}

void AxisTitleText::draw(QPainter &p, const QRectF &box, const QString &text, const QFont &font, int angle)
{
    if (text.isEmpty())
        return;
    const QFont f = ChartFonts::plainForm(font);
    if (ChartFonts::isVerticalForm(font)) {
        VerticalText::draw(p, box, text, f);
        return;
    }
    const QFontMetricsF fm(f);
    const double w = fm.horizontalAdvance(text);
    p.save();
    p.setFont(f);
    p.translate(box.center());
    // The angle turns counter-clockwise on the page; the painter's y runs down.
    p.rotate(-double(((angle % 360) + 360) % 360));
    p.drawText(QPointF(-w / 2, (fm.ascent() - fm.descent()) / 2), text);
    p.restore();
}

} // namespace cellvex
