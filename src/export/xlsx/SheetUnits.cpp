#include "SheetUnits.h"

#include <cmath>

namespace cellvex::xlsx {

namespace {

constexpr double kDigitWidth = 7;
constexpr double kPadding = 5;

int roundToInt(double v)
{
    if (!std::isfinite(v) || v <= 0)
        return 0;
    if (v >= 2147483647.0)
        return 2147483647;
    return int(std::lround(v));
}

} // namespace

double columnWidthFromPixels(int pixels)
{
    if (pixels > 12)
        return (pixels - 13) * 0.125 + 1;
    return pixels / 13.0;
}

int pixelsFromColumnWidth(double width)
{
    if (width < 1)
        return roundToInt(width * 13);
    return roundToInt((width - 1) * 8 + 13);
}

double rowHeightFromPixels(int pixels)
{
    return pixels * 3.0 / 4.0;
}

int pixelsFromRowHeight(double points)
{
    return roundToInt(points * 4 / 3);
}

double marginPoints(double mm, int pixelsPerInch)
{
    return mm / 25.4 * pixelsPerInch * 0.75;
}

QString marginMillimetreText(double points, int pixelsPerInch)
{
    const double mm = points * 4 / 3 / pixelsPerInch * 25.4;
    const double whole = std::isfinite(mm) ? std::round(mm) : 0;
    return QString::number(whole, 'f', 0) + QStringLiteral(".0");
}

double columnWidthFromStored(double stored)
{
    if (!std::isfinite(stored) || stored <= 0)
        return 0;
    // The program's pixel width of a stored width, then its character count.
    const double pixels = std::floor((256 * stored + std::floor(128 / kDigitWidth)) / 256 * kDigitWidth);
    if (pixels <= kDigitWidth + kPadding)
        return pixels / (kDigitWidth + kPadding);
    return (pixels - kPadding) / kDigitWidth;
}

double storedFromColumnWidth(double width)
{
    if (width <= 0)
        return 0;
    const double pixels = width < 1 ? std::floor(width * (kDigitWidth + kPadding) + 0.5)
                                    : std::floor(width * kDigitWidth + 0.5) + kPadding;
    return std::floor(pixels / kDigitWidth * 256) / 256;
}

} // namespace cellvex::xlsx
