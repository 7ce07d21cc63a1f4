#include "MillimetreStrip.h"

#include "common/Fonts.h"
#include "common/Rounding.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace cellvex {

std::int64_t millimetreMark(int mm, double dpi)
{
    return roundHalfEven(mm / 25.4 * dpi);
}

void drawMillimetreStrip(QPainter &p, Orientation orientation, std::int64_t length, int thickness,
                         std::int64_t origin, double dpi)
{
    if (thickness <= 0 || length <= 0 || dpi <= 0)
        return;
    const bool horizontal = orientation == Orientation::Horizontal;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    const int len32 = int(std::min<std::int64_t>(length, 1 << 30));
    if (horizontal)
        p.fillRect(0, 0, len32, thickness, Qt::white);
    else
        p.fillRect(0, 0, thickness, len32, Qt::white);
    p.setPen(QPen(Qt::black, 1));
    if (horizontal)
        p.drawLine(0, thickness - 1, len32 - 1, thickness - 1);
    else
        p.drawLine(thickness - 1, 0, thickness - 1, len32 - 1);

    QFont font = reportFont(QStringLiteral("Times New Roman"), 7);
    p.setFont(font);
    const QFontMetrics fm(font, p.device());
    p.setBackgroundMode(Qt::TransparentMode);

    // A tick of n pixels from the outer edge covers 0..n-1 across the strip,
    // one from the inner edge thickness-n-1..thickness-2 (end points excluded).
    auto tick = [&](std::int64_t at, int n, bool outer) {
        const int a = int(at);
        const int from = outer ? 0 : thickness - n - 1;
        const int to = outer ? n - 1 : thickness - 2;
        if (to < from)
            return;
        if (horizontal)
            p.drawLine(a, from, a, to);
        else
            p.drawLine(from, a, to, a);
    };

    // First even millimetre whose mark may be visible.
    int m = int(std::max<double>(0.0, (double(origin) / dpi * 25.4) - 4.0));
    m -= m % 2;
    for (;; m += 2) {
        const std::int64_t prev = millimetreMark(m - 2, dpi) - origin;
        if (prev > length)
            break;
        const std::int64_t x = millimetreMark(m, dpi) - origin;
        if (x < 0)
            continue;
        if (m % 20 == 0) {
            const QString text = QString::number(m);
            const int tw = fm.horizontalAdvance(text);
            const int th = fm.height();
            if (horizontal) {
                const std::int64_t left = roundHalfEven(m / 25.4 * dpi - tw / 2.0) - origin + 1;
                const std::int64_t top = roundHalfEven((thickness - th) / 2.0) - 1;
                p.drawText(QRect(int(left), int(top), tw, th), Qt::AlignLeft | Qt::AlignTop, text);
                tick(x, 2, true);
                tick(x, 2, false);
            } else {
                const std::int64_t left = roundHalfEven((thickness - tw) / 2.0);
                const std::int64_t top = roundHalfEven(m / 25.4 * dpi - th / 2.0) - origin;
                p.drawText(QRect(int(left), int(top), tw, th), Qt::AlignLeft | Qt::AlignTop, text);
            }
        } else if (m % 10 == 0) {
            tick(x, 5, true);
            tick(x, 5, false);
        } else {
            tick(x, 3, true);
            tick(x, 3, false);
        }
    }
    p.restore();
}

} // namespace cellvex
