#include "LinePanel.h"

#include <QPainter>

namespace cellvex {

LinePanel::LinePanel(int lineType, QWidget *parent) : QWidget(parent), m_lineType(lineType)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LinePanel::setLineType(int t)
{
    m_lineType = t;
    update();
}

QPen LinePanel::penFor(int lineType)
{
    switch (lineType) {
    case 1: // page breaks: teal dash-dot-dot
        return QPen(QColor(0x00, 0x80, 0x80), 1, Qt::DashDotDotLine);
    case 3: // below the header rows, above the footer rows: red dash-dot-dot
        return QPen(QColor(0xFF, 0x00, 0x00), 1, Qt::DashDotDotLine);
    default: // the selection frame
        return QPen(Qt::black, 1, Qt::SolidLine);
    }
}

void LinePanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_lineType == 2) {
        p.fillRect(rect(), Qt::black);
        return;
    }
    p.setPen(penFor(m_lineType));
    if (width() >= height())
        p.drawLine(0, 0, width() - 1, 0);
    else
        p.drawLine(0, 0, 0, height() - 1);
}

} // namespace cellvex
