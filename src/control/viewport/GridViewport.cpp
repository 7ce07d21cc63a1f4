#include "GridViewport.h"

#include "report/Report.h"

#include <QScrollBar>
#include <QWheelEvent>

namespace cellvex {

GridViewport::GridViewport(Report &report, const GridViewportWidgets &widgets)
    : m_report(report), m_client(widgets.client), m_surface(widgets.surface), m_scroll(report),
      m_sizer(report, m_scroll), m_bindX(widgets.scrollX, m_scroll.x()),
      m_bindY(widgets.scrollY, m_scroll.y()), m_mover(widgets.control)
{
    m_scroll.onMoved = [this] {
        if (m_surface)
            m_surface->update();
        if (onViewMoved)
            onViewMoved();
    };

    // A ruler recounts its displayed poles after every scroll, size change,
    // structure change and new report; the bars follow from here. Handlers
    // someone set before keep running.
    RulerModel &cols = report.colRuler();
    RulerModel &rows = report.rowRuler();
    m_prevDisplayCountX = cols.onDisplayCountChg;
    m_prevDisplayCountY = rows.onDisplayCountChg;
    cols.onDisplayCountChg = [this](int count) {
        m_bindX.refresh();
        if (m_prevDisplayCountX)
            m_prevDisplayCountX(count);
    };
    rows.onDisplayCountChg = [this](int count) {
        m_bindY.refresh();
        if (m_prevDisplayCountY)
            m_prevDisplayCountY(count);
    };
    m_prevDragEndX = cols.onDragEnd;
    m_prevDragEndY = rows.onDragEnd;
    cols.onDragEnd = [this](int pole) {
        m_sizer.applyResizeDrag(Orientation::Horizontal, pole);
        if (m_prevDragEndX)
            m_prevDragEndX(pole);
    };
    rows.onDragEnd = [this](int pole) {
        m_sizer.applyResizeDrag(Orientation::Vertical, pole);
        if (m_prevDragEndY)
            m_prevDragEndY(pole);
    };

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

GridViewport::~GridViewport()
{
    // The rulers outlive this object (the report empties them last).
    m_report.colRuler().onDisplayCountChg = m_prevDisplayCountX;
    m_report.rowRuler().onDisplayCountChg = m_prevDisplayCountY;
    m_report.colRuler().onDragEnd = m_prevDragEndX;
    m_report.rowRuler().onDragEnd = m_prevDragEndY;
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
