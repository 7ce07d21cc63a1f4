#pragma once

#include <QObject>
#include <QPointer>
#include <QScrollBar>

namespace cellvex {

class ScrollAxis;

// Ties a QScrollBar to a ScrollAxis: the user's actions on the bar set the
// axis's position, and refresh() shows the axis's state on the bar.
//
// The bar's track covers the positions the axis accepts, 1 ... the larger of
// its limit and its position, so dragging the thumb to the end shows the last
// columns just fitting instead of a position the axis would refuse and snap
// back from. The page size is the bar's page step (the thumb's length); a
// page click moves by the axis's large step (DisplayCount - 1), which Qt's
// bar cannot express as a separate setting and is applied when it reports
// the action.
class ScrollBarBinding : public QObject
{
public:
    ScrollBarBinding(QScrollBar *bar, ScrollAxis &axis, QObject *parent = nullptr);

    void refresh();
    QScrollBar *bar() const { return m_bar; }

private:
    void actionTriggered(int action);
    void valueChanged(int value);

    QPointer<QScrollBar> m_bar;
    ScrollAxis &m_axis;
};

} // namespace cellvex
