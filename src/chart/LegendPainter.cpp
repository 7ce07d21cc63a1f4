#include "chart/LegendPainter.h"

#include "chart/MarkerShape.h"
#include "chart/XYSeriesPainter.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace cellvex {

void LegendPainter::draw(QPainter &p, const Chart &chart, const ChartLayout &layout)
{
    const QRectF box = layout.legendRect();
    if (box.width() < 4 || box.height() < 4 || layout.legendEntries().empty())
        return;
    const QFontMetricsF fm(layout.labelFont());
    const double line = fm.height() + 2;
    const double swatch = std::round(fm.height() * 0.8);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(0x90, 0x90, 0x90));
    p.setBrush(Qt::white);
    p.drawRect(box.adjusted(0, 0, -1, -1));
    p.setClipRect(box);
    p.setFont(layout.labelFont());
    double y = box.top() + 2;
    for (const LegendEntry &e : layout.legendEntries()) {
        if (y + line > box.bottom() + 1)
            break;
        const QRectF sample(box.left() + 4, std::round(y + (line - swatch) / 2), swatch, swatch);
        const ChartSeries &s = chart.series(e.series);
        if (e.point < 0 && s.kind() == SeriesKind::Line) {
            p.setPen(XYSeriesPainter::pen(s.penStyle, std::min(s.penWidth, 3), e.color));
            p.drawLine(QPointF(sample.left(), sample.center().y()),
                       QPointF(sample.right(), sample.center().y()));
        } else if (e.point < 0 && s.kind() == SeriesKind::Point) {
            p.setRenderHint(QPainter::Antialiasing, true);
            const bool filled = MarkerShape::isFilled(s.markerStyle);
            p.setPen(filled ? e.color.darker(150) : e.color);
            p.setBrush(filled ? QBrush(e.color) : QBrush());
            const double r = swatch / 2 - 1;
            p.drawPath(MarkerShape::path(s.markerStyle, sample.center(), r, r));
            p.setRenderHint(QPainter::Antialiasing, false);
        } else {
            p.fillRect(sample, e.color);
        }
        const QRectF textBox(sample.right() + 3, y, box.right() - sample.right() - 5, line);
        p.setPen(QColor(0x20, 0x20, 0x20));
        p.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter,
                   fm.elidedText(e.text, Qt::ElideRight, textBox.width()));
        y += line;
    }
    p.restore();
}

} // namespace cellvex
