#include "PageRenderer.h"

#include "cells/CellDrawing.h"
#include "cells/WidgetDrawing.h"
#include "common/Fonts.h"
#include "common/Rounding.h"
#include "print/Pagination.h"
#include "report/PageSettings.h"
#include "report/Report.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <limits>

namespace cellvex {

namespace {

constexpr ColorRef kWhite = 0xFFFFFF;

// Page pixels to device pixels: subtract the printer's offset (converted to
// page pixels), scale, and round halves to even.
class DeviceMap
{
public:
    explicit DeviceMap(const RenderTarget &t)
        : m_sx(t.scaleX), m_sy(t.scaleY), m_offX(t.forPrinter ? t.physicalOffset.x() / t.scaleX : 0.0),
          m_offY(t.forPrinter ? t.physicalOffset.y() / t.scaleY : 0.0)
    {
    }
    int x(double px) const { return clampInt(roundHalfEven((px - m_offX) * m_sx)); }
    int y(double py) const { return clampInt(roundHalfEven((py - m_offY) * m_sy)); }
    QRect rect(double left, double top, double right, double bottom) const
    {
        return QRect(QPoint(x(left), y(top)), QPoint(x(right), y(bottom))).adjusted(0, 0, -1, -1);
    }

private:
    static int clampInt(std::int64_t v)
    {
        return int(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min() / 2,
                                            std::numeric_limits<int>::max() / 2));
    }
    double m_sx, m_sy, m_offX, m_offY;
};

// A font of the given point size at the target's resolution, independent of
// the resolution the painting device claims.
QFont fontAt(QFont font, int pointSize, int dpi)
{
    font.setPixelSize(std::max(1, int(roundHalfEven(double(std::max(pointSize, 1)) * dpi / 72.0))));
    return font;
}

} // namespace

PageRenderer::PageRenderer(const Report &report, const PageSettings &settings, const Pagination &pagination)
    : m_report(report), m_settings(settings), m_pagination(pagination)
{
}

void PageRenderer::renderPageArea(QPainter &p, const PageArea &area, std::int64_t pageHeight,
                                  const RenderTarget &target) const
{
    const DeviceMap map(target);
    const FontTable &fonts = m_report.fonts();
    p.save();
    p.setPen(QPen(Qt::black, 0, Qt::SolidLine));
    p.setBrush(Qt::black);

    if (pageHeight > 0) {
        p.setBrush(Qt::NoBrush);
        const QFont font =
            fontAt(reportFont(m_settings.headerFooterFontName, m_settings.headerFooterFontSize),
                   m_settings.headerFooterFontSize, target.targetDpiY);
        p.setFont(font);
        const int ascent = QFontMetrics(font).ascent();
        const double left = double(m_settings.leftMargin.pixels);
        const auto drawPageText = [&](const QString &content, double top) {
            const QString text = expandPageText(content, area.pageNumber, area.pageCount, target.clock);
            if (!text.isEmpty())
                p.drawText(QPoint(map.x(left), map.y(top) + ascent), text);
        };
        drawPageText(m_settings.headerContent, double(m_settings.headerMargin.pixels));
        drawPageText(m_settings.footerContent, double(pageHeight - m_settings.footerMargin.pixels));
    }

    const double originX = double(m_settings.leftMargin.pixels - area.xShift);
    const double originY = double(m_settings.topMargin.pixels - area.yShift);
    const int lastCol = std::min(area.lastCol, m_report.colCount() - 1);
    const int lastRow = std::min(area.lastRow, m_report.rowCount() - 1);
    for (int col = std::max(area.firstCol, 0); col <= lastCol; ++col) {
        for (int row = std::max(area.firstRow, 0); row <= lastRow; ++row) {
            const Cell *cell = m_report.cell(col, row);
            if (!cell || cell->sign() == MergeSign::Covered)
                continue;
            const ReportRect r = m_report.cellRect(col, row);
            if (r.width <= 0 || r.height <= 0)
                continue;
            const double left = originX + double(r.x), top = originY + double(r.y);
            const double right = left + double(r.width), bottom = top + double(r.height);
            const QRect dev = map.rect(left, top, right, bottom);
            const bool hidden = cell->printHide();

            if (!hidden && m_settings.printBackColor && cell->backColor() != kWhite)
                p.fillRect(dev, toQColor(cell->backColor()));

            const QImage *picture = cell->picture();
            if (picture && !hidden && cell->imageStretch())
                p.drawImage(dev, *picture);

            if (cell->haveCheckBox()) {
                // Printed even for a print-hidden cell: the box is the cell's value.
                const int W = int(std::min<std::int64_t>(r.width, std::numeric_limits<int>::max()));
                const int H = int(std::min<std::int64_t>(r.height, std::numeric_limits<int>::max()));
                const QImage box = checkBoxImage(*cell, W, H, fonts);
                if (!box.isNull()) {
                    const QRect a = checkBoxRect(cellFrame(*cell, W, H));
                    p.drawImage(map.rect(left + a.left(), top + a.top(), left + a.left() + a.width(),
                                         top + a.top() + a.height()),
                                box);
                }
            }

            if (picture && !hidden && !cell->imageStretch()) {
                // At natural size, cut off at the cell's edges.
                p.save();
                p.setClipRect(dev);
                p.drawImage(
                    QRect(dev.topLeft(), QSize(int(roundHalfEven(picture->width() * target.scaleX)),
                                               int(roundHalfEven(picture->height() * target.scaleY)))),
                    *picture);
                p.restore();
            }

            if (!hidden && (isTextLike(cell->kind()) || cell->kind() == CellKind::Button)) {
                const int W = int(std::min<std::int64_t>(r.width, std::numeric_limits<int>::max()));
                const int H = int(std::min<std::int64_t>(r.height, std::numeric_limits<int>::max()));
                const TextLayout layout = layoutCell(*cell, W, H, fonts);
                if (!layout.lineValues.isEmpty()) {
                    const QFont font = fontAt(fonts.font(cell->fontId()),
                                              fonts.attributes(cell->fontId()).size, target.targetDpiY);
                    const int ascent = QFontMetrics(font).ascent();
                    p.save();
                    p.setClipRect(dev);
                    p.setBrush(Qt::NoBrush);
                    p.setFont(font);
                    p.setPen(toQColor(fonts.attributes(cell->fontId()).color));
                    for (qsizetype j = 0; j < layout.lineValues.size(); ++j) {
                        const QPoint at = layout.linePoints[size_t(j)];
                        p.drawText(QPoint(map.x(left + at.x()), map.y(top + at.y()) + ascent),
                                   layout.lineValues[j]);
                    }
                    p.restore();
                }
            }

            if (m_settings.printBorders) {
                int L = 0, T = 0, R = 0, B = 0;
                cell->getBorders(L, T, R, B);
                // On screen a thin border must not vanish when zoomed out.
                const int minimum = target.forPrinter ? 0 : 1;
                if (L > 0) {
                    const int w = std::max(map.x(left + L) - dev.left(), minimum);
                    p.fillRect(QRect(dev.left(), dev.top(), w, dev.height()), Qt::black);
                }
                if (T > 0) {
                    const int h = std::max(map.y(top + T) - dev.top(), minimum);
                    p.fillRect(QRect(dev.left(), dev.top(), dev.width(), h), Qt::black);
                }
                if (R > 0) {
                    const int w = std::max(dev.right() + 1 - map.x(right - R), minimum);
                    p.fillRect(QRect(dev.right() + 1 - w, dev.top(), w, dev.height()), Qt::black);
                }
                if (B > 0) {
                    const int h = std::max(dev.bottom() + 1 - map.y(bottom - B), minimum);
                    p.fillRect(QRect(dev.left(), dev.bottom() + 1 - h, dev.width(), h), Qt::black);
                }
            }
        }
    }
    p.restore();
}

void PageRenderer::drawPage(QPainter &p, int colBand, int rowBand, const RenderTarget &target) const
{
    for (const PageArea &area : composePage(m_pagination, colBand, rowBand))
        renderPageArea(p, area, area.pageTexts ? m_settings.height.pixels : 0, target);
}

} // namespace cellvex
