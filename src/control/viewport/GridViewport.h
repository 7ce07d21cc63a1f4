#pragma once

#include "control/viewport/FrameDragMover.h"
#include "control/viewport/ScrollBarBinding.h"
#include "grid/layout/LayoutListener.h"
#include "grid/layout/PoleSizer.h"
#include "grid/layout/ScrollController.h"

#include <QObject>
#include <QPointer>

class QScrollBar;

namespace cellvex {

class Report;

// The control's widgets the viewport works with; all owned by the control.
struct GridViewportWidgets
{
    QWidget *control = nullptr;     // receives the wheel after its children
    QWidget *client = nullptr;      // pnl_client, the viewport
    QWidget *surface = nullptr;     // the cell surface painting the cells in view
    QScrollBar *scrollX = nullptr;  // scb_scrollx
    QScrollBar *scrollY = nullptr;  // scb_scrolly
    QWidget *leftCorner = nullptr;  // pnl_lmargin
    QWidget *rightCorner = nullptr; // pnl_rmargin
    QWidget *sizeCorner = nullptr;  // pnl_smargin
    QWidget *footer = nullptr;      // pnl_footer
};

// Binds the widget-free scrolling and sizing logic to the control's widgets:
// the scroll bars, the wheel, the viewport's size and the corner boxes. The
// control owns one, calls viewportResized() after laying out its children and
// hears the scrolling and sizing as the listener.
class GridViewport : public QObject
{
public:
    GridViewport(Report &report, const GridViewportWidgets &widgets, LayoutListener &listener);

    ScrollController &scroll() { return m_scroll; }
    PoleSizer &sizer() { return m_sizer; }
    FrameDragMover &mover() { return m_mover; }

    // The viewport was laid out again: take its size, scroll back if needed.
    void viewportResized();
    // Shows the axes' ranges and positions on the scroll bars.
    void refreshScrollBars();
    // A ruler recounted the poles in view (after a scroll, a size or
    // structure change or a new report): its scroll bar follows.
    void rulerViewChanged(Orientation orientation);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Report &m_report;
    QPointer<QWidget> m_client;
    QPointer<QWidget> m_surface;
    ScrollController m_scroll;
    PoleSizer m_sizer;
    ScrollBarBinding m_bindX;
    ScrollBarBinding m_bindY;
    FrameDragMover m_mover;
};

} // namespace cellvex
