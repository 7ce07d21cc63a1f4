#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cmath>

namespace cellvex::demo {

// Where the cell and alias dialogs open: 30 pixels in from the screen's
// right edge, and two fifths of the spare height above them.
inline QPoint besideScreenEdge(const QRect &screen, const QSize &dialog)
{
    const int left = screen.width() - dialog.width() - 30;
    const int top = static_cast<int>(std::lround((screen.height() - dialog.height()) * 0.4));
    return screen.topLeft() + QPoint(left, top);
}

// Where the find and replace dialogs open.
inline QPoint screenCentre(const QRect &screen, const QSize &dialog)
{
    return screen.topLeft() +
           QPoint((screen.width() - dialog.width()) / 2, (screen.height() - dialog.height()) / 2);
}

} // namespace cellvex::demo
