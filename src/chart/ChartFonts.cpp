#include "chart/ChartFonts.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace cellvex {

QFont ChartFonts::pixelFont(const QFont &font)
{
    QFont f = font;
    if (font.pixelSize() <= 0) {
        const double points = font.pointSizeF() > 0 ? font.pointSizeF() : 9;
        f.setPixelSize(std::clamp(int(std::lround(points * kPixelsPerInch / 72)), 1, 400));
    } else if (font.pixelSize() > 400) {
        f.setPixelSize(400);
    }
    return f;
}

bool ChartFonts::isVerticalForm(const QFont &font)
{
    return font.family().startsWith(QLatin1Char('@'));
}

QFont ChartFonts::plainForm(const QFont &font)
{
    QFont f = pixelFont(font);
    if (isVerticalForm(font)) {
        const QString family = font.family().mid(1);
        f.setFamilies(QStringList{family});
        f.setFamily(family);
    }
    return f;
}

} // namespace cellvex
