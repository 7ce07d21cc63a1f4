#include "CellDrawing.h"

#include "cells/WidgetDrawing.h"
#include "common/Rounding.h"

#include <QPainter>

#include <cstdlib>

namespace cellvex {

std::vector<QLine> diagonalLines(int type, int W, int H, int L, int T, int R, int B)
{
    switch (type) {
    case 1:
        return {QLine(L, T, W - R, H - B)};
    case 2:
        return {QLine(W - R, T, L, H - B)};
    case 3:
        return {QLine(L, T, int(roundHalfEven((W - R) * 0.6)), H - B),
                QLine(L, T, W - R, int(roundHalfEven((H - B) * 0.6)))};
    default:
        return {};
    }
}

std::vector<QPoint> linePixels(const QLine &line)
{
    std::vector<QPoint> pts;
    int x0 = line.x1(), y0 = line.y1();
    const int x1 = line.x2(), y1 = line.y2();
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    pts.reserve(size_t(std::max(dx, -dy)));
    while (!(x0 == x1 && y0 == y1)) {
        pts.emplace_back(x0, y0);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
    return pts;
}

TextLayoutInput textLayoutInput(const Cell &cell, int width, int height)
{
    TextLayoutInput in;
    in.caption = cell.caption();
    in.kind = cell.kind();
    in.multiLine = cell.multiLine();
    in.alignment = cell.alignment();
    in.vAlignment = cell.vAlignment();
    in.width = width;
    in.height = height;
    in.left = cell.borderLeft();
    in.top = cell.borderTop();
    in.right = cell.borderRight();
    in.bottom = cell.borderBottom();
    return in;
}

TextMeasure textMeasure(const FontTable &fonts, std::uint32_t fontId)
{
    const QFontMetrics &fm = fonts.metrics(fontId);
    TextMeasure m;
    m.width = [&fm](const QString &s) { return fm.horizontalAdvance(s); };
    m.lineHeight = fm.height();
    return m;
}

TextLayout layoutCell(const Cell &cell, int width, int height, const FontTable &fonts)
{
    return layoutCellText(textLayoutInput(cell, width, height), textMeasure(fonts, cell.fontId()));
}

void paintCell(QPainter &p, const Cell &cell, const QRect &rect, ColorRef displayedColor,
               const FontTable &fonts, bool widgetPressed)
{
    const int W = rect.width(), H = rect.height();
    if (W <= 0 || H <= 0)
        return;
    p.save();
    p.translate(rect.topLeft());
    p.setClipRect(0, 0, W, H);

    // 1. background
    p.fillRect(0, 0, W, H, toQColor(displayedColor));

    int L = 0, T = 0, R = 0, B = 0;
    cell.getBorders(L, T, R, B);

    // 2. picture layer: the picture, or the diagonal drawn on it
    if (const QImage *pic = cell.picture()) {
        if (cell.imageStretch())
            p.drawImage(QRect(0, 0, W, H), *pic);
        else
            p.drawImage(QPoint(0, 0), *pic);
    } else if (cell.diagonalType() != 0) {
        p.setPen(QPen(Qt::black, 1));
        for (const QLine &line : diagonalLines(cell.diagonalType(), W, H, L, T, R, B)) {
            const auto pts = linePixels(line);
            if (!pts.empty())
                p.drawPoints(pts.data(), int(pts.size()));
        }
    }

    // 3. text lines; a button's face hides them, so they are not laid out at all
    const bool faceHidesText = cell.kind() == CellKind::Button && cell.haveWidgetPanel();
    if ((isTextLike(cell.kind()) || cell.kind() == CellKind::Button) && !faceHidesText) {
        const TextLayout layout = layoutCell(cell, W, H, fonts);
        if (!layout.lineValues.isEmpty()) {
            const FontAttributes &attrs = fonts.attributes(cell.fontId());
            p.setFont(fonts.font(cell.fontId()));
            p.setPen(toQColor(attrs.color));
            const int ascent = fonts.metrics(cell.fontId()).ascent();
            for (const TextLine &l : layout.lines)
                if (l.visible)
                    p.drawText(l.x, l.y + ascent, l.text);
        }
    }

    // 4. border strips
    if (L > 0)
        p.fillRect(0, 0, L, H, Qt::black);
    if (T > 0)
        p.fillRect(0, 0, W, T, Qt::black);
    if (R > 0)
        p.fillRect(W - R, 0, R, H, Qt::black);
    if (B > 0)
        p.fillRect(0, H - B, W, B, Qt::black);

    // 5. the kind's widget
    paintCellWidget(p, cell, cellFrame(cell, W, H), displayedColor, fonts, widgetPressed);
    p.restore();
}

} // namespace cellvex
