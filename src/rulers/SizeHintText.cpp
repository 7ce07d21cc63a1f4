#include "SizeHintText.h"

#include <cstdint>

namespace cellvex {

QString pixelsToMillimetreText(int pixels)
{
    // pixels × 25.4 / 96 mm is pixels × 127 / 48 tenths of a millimetre.
    // Rounded in integers, so a value that is exactly a half (24 px = 6.35
    // mm) goes away from zero as the pattern wants, where a binary double
    // would sit just below the half. The rulers are built below the number
    // formats, so the pattern code itself is not called from here.
    const std::int64_t p = pixels;
    const std::int64_t a = p < 0 ? -p : p;
    const std::int64_t tenths = (a * 127 * 2 + 48) / 96;
    QString text = QString::number(tenths / 10) + QLatin1Char('.') + QString::number(tenths % 10);
    if (p < 0 && tenths != 0)
        text.prepend(QLatin1Char('-'));
    return text;
}

QString sizeHintText(Orientation orientation, int rangePixels)
{
    const QString label =
        orientation == Orientation::Horizontal ? QStringLiteral("宽度：") : QStringLiteral("高度：");
    return label + QString::number(rangePixels) + QStringLiteral("像素  ") +
           pixelsToMillimetreText(rangePixels) + QStringLiteral("毫米");
}

} // namespace cellvex
