#include "PreviewIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace cellvex {

namespace {

void triangle(QPainter &p, int tipX, int baseX)
{
    QPainterPath path;
    path.moveTo(tipX, 8);
    path.lineTo(baseX, 3);
    path.lineTo(baseX, 13);
    path.closeSubpath();
    p.fillPath(path, QColor(0x20, 0x50, 0xA0));
}

void sheet(QPainter &p, const QRect &r)
{
    p.fillRect(r, Qt::white);
    p.setPen(Qt::black);
    p.drawRect(r);
}

} // namespace

QIcon previewIcon(PreviewIcon which)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (which) {
    case PreviewIcon::Print:
        sheet(p, QRect(4, 1, 8, 6));
        p.fillRect(QRect(1, 7, 14, 6), Qt::darkGray);
        sheet(p, QRect(4, 11, 8, 4));
        break;
    case PreviewIcon::PageSetup:
        sheet(p, QRect(3, 1, 10, 14));
        p.setPen(QPen(Qt::blue, 1, Qt::DotLine));
        p.drawRect(QRect(5, 3, 6, 10));
        break;
    case PreviewIcon::Fit:
        sheet(p, QRect(4, 2, 8, 12));
        p.setPen(QPen(Qt::darkGreen, 1));
        p.drawLine(8, 0, 8, 15);
        p.drawLine(6, 2, 8, 0);
        p.drawLine(10, 2, 8, 0);
        p.drawLine(6, 13, 8, 15);
        p.drawLine(10, 13, 8, 15);
        break;
    case PreviewIcon::First:
        p.fillRect(QRect(2, 3, 2, 10), QColor(0x20, 0x50, 0xA0));
        triangle(p, 5, 13);
        break;
    case PreviewIcon::Previous:
        triangle(p, 4, 12);
        break;
    case PreviewIcon::Next:
        triangle(p, 12, 4);
        break;
    case PreviewIcon::Last:
        triangle(p, 11, 3);
        p.fillRect(QRect(12, 3, 2, 10), QColor(0x20, 0x50, 0xA0));
        break;
    }
    p.end();
    return QIcon(pixmap);
}

} // namespace cellvex
