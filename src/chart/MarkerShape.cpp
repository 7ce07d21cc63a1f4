#include "chart/MarkerShape.h"

#include <QPolygonF>

#include <algorithm>

namespace cellvex {

bool MarkerShape::isFilled(MarkerStyle style)
{
    return style != MarkerStyle::Cross && style != MarkerStyle::DiagonalCross && style != MarkerStyle::Star;
}

QPainterPath MarkerShape::path(MarkerStyle style, QPointF c, double w, double h)
{
    w = std::clamp(w, 0.5, 1000.0);
    h = std::clamp(h, 0.5, 1000.0);
    const double x = c.x();
    const double y = c.y();
    QPainterPath path;
    auto line = [&path](double x1, double y1, double x2, double y2) {
        path.moveTo(x1, y1);
        path.lineTo(x2, y2);
    };
    switch (style) {
    case MarkerStyle::Circle:
        path.addEllipse(c, w, h);
        break;
    case MarkerStyle::Cross:
        line(x - w, y, x + w, y);
        line(x, y - h, x, y + h);
        break;
    case MarkerStyle::DiagonalCross:
        line(x - w, y - h, x + w, y + h);
        line(x - w, y + h, x + w, y - h);
        break;
    case MarkerStyle::Diamond:
        path.addPolygon(QPolygonF({{x, y - h}, {x + w, y}, {x, y + h}, {x - w, y}, {x, y - h}}));
        break;
    case MarkerStyle::TriangleDown:
        path.addPolygon(QPolygonF({{x - w, y - h}, {x + w, y - h}, {x, y + h}, {x - w, y - h}}));
        break;
    case MarkerStyle::TriangleUp:
        path.addPolygon(QPolygonF({{x - w, y + h}, {x + w, y + h}, {x, y - h}, {x - w, y + h}}));
        break;
    case MarkerStyle::SmallDot:
        // A dot stays small whatever size the series asks for.
        path.addEllipse(c, std::min(w, 1.5), std::min(h, 1.5));
        break;
    case MarkerStyle::Star:
        line(x - w, y, x + w, y);
        line(x, y - h, x, y + h);
        line(x - w * 0.7, y - h * 0.7, x + w * 0.7, y + h * 0.7);
        line(x - w * 0.7, y + h * 0.7, x + w * 0.7, y - h * 0.7);
        break;
    case MarkerStyle::Rectangle:
    default:
        path.addRect(QRectF(x - w, y - h, 2 * w, 2 * h));
        break;
    }
    return path;
}

} // namespace cellvex
