#include "PaperLength.h"

#include "common/Geometry.h"
#include "common/Rounding.h"

#include <algorithm>
#include <cmath>

namespace cellvex {

PaperLength PaperLength::fromText(const QString &text, int pixelsPerInch)
{
    PaperLength l;
    l.text = text;
    l.recompute(pixelsPerInch);
    return l;
}

PaperLength PaperLength::fromMillimetres(double mm, int pixelsPerInch)
{
    return fromText(formatMillimetres(mm), pixelsPerInch);
}

void PaperLength::recompute(int pixelsPerInch)
{
    const std::optional<double> mm = parseMillimetres(text);
    pixels = mm ? millimetresToPixels(*mm, pixelsPerInch) : 0;
}

QString formatMillimetres(double mm)
{
    if (mm == 0.0)
        return QStringLiteral("0"); // also for -0.0, which "g" would print as "-0"
    QString s = QString::number(mm, 'g', 15);
    const qsizetype e = s.indexOf(QLatin1Char('e'));
    if (e < 0)
        return s;
    // Exponent written the way stored documents have it: "1E-5", "1E20".
    QString mantissa = s.left(e);
    QString exponent = s.mid(e + 1);
    bool negative = exponent.startsWith(QLatin1Char('-'));
    if (exponent.startsWith(QLatin1Char('-')) || exponent.startsWith(QLatin1Char('+')))
        exponent.remove(0, 1);
    while (exponent.size() > 1 && exponent.startsWith(QLatin1Char('0')))
        exponent.remove(0, 1);
    return mantissa + QLatin1Char('E') + (negative ? QStringLiteral("-") : QString()) + exponent;
}

std::optional<double> parseMillimetres(const QString &text)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::int64_t millimetresToPixels(double mm, int pixelsPerInch)
{
    const double px = mm / 25.4 * pixelsPerInch;
    if (!std::isfinite(px))
        return 0;
    const double limit = double(kMaxPixelExtent);
    return roundHalfEven(std::clamp(px, -limit, limit));
}

} // namespace cellvex
