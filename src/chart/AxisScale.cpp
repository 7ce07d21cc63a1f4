#include "chart/ChartLayout.h"

#include <cmath>

namespace cellvex {

// Both directions go through the same fraction of the span, so that a
// position read back from a pixel lands on the value that gave the pixel.
std::optional<double> AxisScale::toPixel(double value) const
{
    if (!std::isfinite(value))
        return std::nullopt;
    double t = 0;
    if (logarithmic) {
        if (!(value > 0) || !(min > 0) || !(max > 0))
            return std::nullopt;
        const double lo = std::log(min);
        const double span = std::log(max) - lo;
        t = span != 0 ? (std::log(value) - lo) / span : 0;
    } else {
        const double span = max - min;
        t = span != 0 ? (value - min) / span : 0;
    }
    const double pixel = pixelStart + t * (pixelEnd - pixelStart);
    if (!std::isfinite(pixel))
        return std::nullopt;
    return pixel;
}

double AxisScale::toValue(double pixel) const
{
    const double pixels = pixelEnd - pixelStart;
    const double t = pixels != 0 && std::isfinite(pixel) ? (pixel - pixelStart) / pixels : 0;
    if (logarithmic && min > 0 && max > 0) {
        const double lo = std::log(min);
        return std::exp(lo + t * (std::log(max) - lo));
    }
    return min + t * (max - min);
}

} // namespace cellvex
