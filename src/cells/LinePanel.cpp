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

void LinePanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    switch (m_lineType) {
    case 1: // page break: dashed blue
        p.fillRect(rect(), Qt::white);
        p.setPen(QPen(Qt::blue, 1, Qt::DashLine));
        if (width() >= height())
            p.drawLine(0, 0, width() - 1, 0);
        else
            p.drawLine(0, 0, 0, height() - 1);
        break;
    case 3: // header/footer rows
        p.fillRect(rect(), Qt::red);
        break;
    default: // selection frame
        p.fillRect(rect(), Qt::black);
        break;
    }
}

} // namespace cellvex
