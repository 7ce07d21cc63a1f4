#include "PageAreasPicture.h"

#include <QPainter>

namespace cellvex {

PageAreasPicture::PageAreasPicture(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("img_pageareas"));
    setMinimumSize(sizeHint());
}

void PageAreasPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    // A sheet in the proportions of A4, centred.
    const int h = height() - 10;
    const int w = h * 210 / 297;
    const QRect sheet((width() - w) / 2, 5, w, h);
    p.fillRect(sheet.translated(3, 3), Qt::gray);
    p.fillRect(sheet, Qt::white);
    p.setPen(Qt::black);
    p.drawRect(sheet);

    const int margin = w / 8;
    const QRect cells = sheet.adjusted(margin, margin + 6, -margin, -margin - 6);
    p.fillRect(cells, QColor(0xE8, 0xF0, 0xFF));
    p.setPen(QPen(Qt::darkGray, 1, Qt::DotLine));
    for (int x = cells.left(); x < cells.right(); x += cells.width() / 4)
        p.drawLine(x, cells.top(), x, cells.bottom());
    for (int y = cells.top(); y < cells.bottom(); y += 10)
        p.drawLine(cells.left(), y, cells.right(), y);
    p.setPen(QPen(Qt::blue, 1, Qt::DashLine));
    p.drawRect(cells);
    // Header text from the header margin, footer text from the footer margin.
    p.setPen(QPen(Qt::red, 2));
    p.drawLine(cells.left(), sheet.top() + margin / 2, cells.left() + w / 3, sheet.top() + margin / 2);
    p.drawLine(cells.left(), sheet.bottom() - margin / 2 - 4, cells.left() + w / 3,
               sheet.bottom() - margin / 2 - 4);
}

} // namespace cellvex
