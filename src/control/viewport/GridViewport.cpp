#include "GridViewport.h"

#include "report/Report.h"

#include <QScrollBar>
#include <QWheelEvent>

namespace cellvex {

GridViewport::GridViewport(Report &report, const GridViewportWidgets &widgets, LayoutListener &listener)
    : m_report(report), m_client(widgets.client), m_surface(widgets.surface), m_scroll(report),
      m_sizer(report, m_scroll), m_bindX(widgets.scrollX, m_scroll.x()),
      m_bindY(widgets.scrollY, m_scroll.y()), m_mover(widgets.control)
{
    m_scroll.setListener(&listener);
    m_sizer.setListener(&listener);

    // The wheel reaches the control after its children ignored it. It is
    // also taken where it lands on the viewport and the cell surface (the
    // common case, without relying on propagation) and over a scroll bar,
    // before the bar scrolls by lines of its own.
    for (QWidget *w : {widgets.control, widgets.client, widgets.surface,
                       static_cast<QWidget *>(widgets.scrollX), static_cast<QWidget *>(widgets.scrollY)})
        if (w)
            w->installEventFilter(this);

    for (QWidget *strip : {widgets.leftCorner, widgets.rightCorner, widgets.sizeCorner, widgets.footer})
        m_mover.addStrip(strip);
    m_mover.setCorners(widgets.leftCorner, widgets.rightCorner);
    refreshScrollBars();
}

void GridViewport::rulerViewChanged(Orientation orientation)
{
    (orientation == Orientation::Horizontal ? m_bindX : m_bindY).refresh();
}

void GridViewport::viewportResized()
{
    if (!m_client)
        return;
    m_scroll.viewportResized(m_client->width(), m_client->height());
    refreshScrollBars();
}

void GridViewport::refreshScrollBars()
{
    m_bindX.refresh();
    m_bindY.refresh();
}

bool GridViewport::eventFilter(QObject *watched, QEvent *event)
{
    Q_UNUSED(watched);
    if (event->type() != QEvent::Wheel)
        return false;
    auto *wheel = static_cast<QWheelEvent *>(event);
    const int delta = wheel->angleDelta().y();
    if (delta == 0)
        return false; // a sideways wheel or tilt: not this control's wheel
    m_scroll.wheel(delta);
    wheel->accept();
    return true;
}

} // namespace cellvex
