#include "PreviewPage.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace cellvex {

PreviewPage::PreviewPage(QWidget *focusTarget, QWidget *parent) : QWidget(parent), m_focusTarget(focusTarget)
{
    setObjectName(QStringLiteral("img_preview"));
}

void PreviewPage::setImage(QImage image)
{
    m_image = std::move(image);
    resize(m_image.isNull() ? QSize(0, 0) : m_image.size());
    update();
}

void PreviewPage::paintEvent(QPaintEvent *event)
{
    if (m_image.isNull())
        return;
    QPainter p(this);
    p.drawImage(event->rect(), m_image, event->rect());
}

void PreviewPage::mousePressEvent(QMouseEvent *event)
{
    if (m_focusTarget)
        m_focusTarget->setFocus(Qt::MouseFocusReason);
    QWidget::mousePressEvent(event);
}

} // namespace cellvex
