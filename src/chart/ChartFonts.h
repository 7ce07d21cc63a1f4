#pragma once

#include <QFont>

namespace cellvex {

// Fonts as the chart measures and draws them. Sizes given in points become
// pixels of the chart's 96 dpi grid, so that a layout measured once matches
// what is drawn on any device (a printer scales the painter, not the text).
class ChartFonts
{
public:
    static constexpr double kPixelsPerInch = 96;

    static QFont pixelFont(const QFont &font);
    // A family written "@Name" asks for vertical writing in font Name.
    static bool isVerticalForm(const QFont &font);
    // The font with the "@" taken off its family (pixel sized as above).
    static QFont plainForm(const QFont &font);
};

} // namespace cellvex
