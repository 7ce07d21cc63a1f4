#include "chart/ChartPainter.h"

#include "chart/AxisPainter.h"
#include "chart/BarPainter.h"
#include "chart/ChartInk.h"
#include "chart/LegendPainter.h"
#include "chart/PiePainter.h"
#include "chart/XYSeriesPainter.h"

#include <QFontMetricsF>
#include <QPainter>

namespace cellvex {

namespace {

void paintBackground(QPainter &p, const Chart &chart, const QRect &bounds)
{
    if (chart.backgroundColor.isValid())
        p.fillRect(bounds, chart.backgroundColor);
    if (chart.backgroundPicture.isNull())
        return;
    if (chart.backgroundStretch)
        p.drawImage(QRectF(bounds), chart.backgroundPicture);
    else
        p.drawImage(QPointF(0, 0), chart.backgroundPicture);
}

void paintTitle(QPainter &p, const Chart &chart, const ChartLayout &layout)
{
    const QRectF box = layout.titleRect();
    if (chart.titleLines.isEmpty() || box.width() <= 0)
        return;
    const QFontMetricsF fm(layout.titleFont());
    p.setFont(layout.titleFont());
    p.setPen(ChartInk::on(chart.backgroundColor).text);
    double y = box.top();
    for (const QString &line : chart.titleLines) {
        const QRectF lineBox(box.left(), y, box.width(), fm.lineSpacing());
        p.drawText(lineBox, Qt::AlignHCenter | Qt::AlignTop,
                   fm.elidedText(line, Qt::ElideRight, box.width()));
        y += fm.lineSpacing();
    }
}

void paintSeries(QPainter &p, const Chart &chart, const ChartLayout &layout)
{
    XYSeriesPainter xy(p, layout);
    BarPainter bars(p, layout);
    PiePainter pies(p, layout, ChartInk::on(chart.backgroundColor));
    for (int i = 0; i < chart.seriesCount(); ++i) {
        const ChartSeries &s = chart.series(i);
        const QColor color = chart.seriesColor(i);
        switch (s.kind()) {
        case SeriesKind::Line:
            xy.drawLine(s, color);
            break;
        case SeriesKind::Area:
            xy.drawArea(s, color);
            break;
        case SeriesKind::Point:
            xy.drawPoints(s, color);
            break;
        case SeriesKind::VerticalBar:
        case SeriesKind::HorizontalBar:
            bars.drawBars(i, s, color);
            break;
        case SeriesKind::Pie:
            pies.draw(i, s);
            break;
        }
    }
    // Marks over every series, so that a later series never hides them.
    for (int i = 0; i < chart.seriesCount(); ++i) {
        const ChartSeries &s = chart.series(i);
        if (!s.marksVisible || s.kind() == SeriesKind::Pie)
            continue;
        if (s.kind() == SeriesKind::VerticalBar || s.kind() == SeriesKind::HorizontalBar)
            bars.drawMarks(i, s);
        else
            xy.drawMarks(s);
    }
}

} // namespace

void paintChart(QPainter &p, const Chart &chart, const ChartLayout &layout)
{
    const QSize size = layout.size();
    if (size.width() <= 0 || size.height() <= 0)
        return;
    const QRect bounds(QPoint(0, 0), size);
    p.save();
    p.setClipRect(bounds, p.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    paintBackground(p, chart, bounds);
    paintTitle(p, chart, layout);
    AxisPainter axes(p, chart, layout);
    if (layout.axesVisible())
        axes.drawGrid();
    paintSeries(p, chart, layout);
    if (layout.axesVisible())
        axes.drawAxes();
    if (chart.legendVisible)
        LegendPainter::draw(p, chart, layout);
    p.restore();
}

QImage renderChart(const Chart &chart, QSize size)
{
    if (size.width() <= 0 || size.height() <= 0)
        return QImage();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    // Opaque under a translucent background colour or picture.
    image.fill(Qt::white);
    QPainter p(&image);
    paintChart(p, chart, ChartLayout(chart, size));
    return image;
}

} // namespace cellvex
