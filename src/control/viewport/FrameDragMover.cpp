#include "FrameDragMover.h"

#include <QMouseEvent>

namespace cellvex {

FrameDragMover::FrameDragMover(QWidget *control, QObject *parent) : QObject(parent), m_control(control) {}

void FrameDragMover::addStrip(QWidget *strip)
{
    if (strip)
        strip->installEventFilter(this);
}

void FrameDragMover::setCorners(QWidget *left, QWidget *right)
{
    m_leftCorner = left;
    m_rightCorner = right;
}

bool FrameDragMover::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        // The point is kept relative to the strip: the strip moves with the
        // control, so the mouse returns to it after every shift.
        m_moving = true;
        m_pressPoint = static_cast<QMouseEvent *>(event)->position().toPoint();
        return true;
    }
    case QEvent::MouseMove: {
        if (!m_moving)
            return false;
        const QPoint delta = static_cast<QMouseEvent *>(event)->position().toPoint() - m_pressPoint;
        // Only a control inside a container moves; a top-level control is the
        // container's business.
        if (m_control && m_control->parentWidget() && !delta.isNull())
            m_control->move(m_control->pos() + delta);
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (!m_moving)
            return false;
        m_moving = false;
        return true;
    case QEvent::MouseButtonDblClick:
        if (watched == m_leftCorner) {
            emit leftCornerDoubleClicked();
            return true;
        }
        if (watched == m_rightCorner) {
            emit rightCornerDoubleClicked();
            return true;
        }
        return false;
    default:
        return false;
    }
}

} // namespace cellvex
