#pragma once

#include "control/EventRaiser.h"
#include "grid/selection/SelectionEvents.h"

namespace cellvex {

// Hands the selection core's events to the host.
class SelectionEventAdapter : public SelectionEvents
{
public:
    explicit SelectionEventAdapter(EventRaiser &e) : m_e(e) {}
    void inputChange(int c, int r) override { m_e.inputChange(c, r); }
    void selectChange(int a, int b, int c, int d) override { m_e.selectChange(a, b, c, d); }
    void cellLClick(int c, int r) override { m_e.cellLClick(c, r); }
    void cellRClick(int c, int r, int x, int y) override { m_e.cellRClick(c, r, x, y); }
    void cellLDblClick(int c, int r) override { m_e.cellLDblClick(c, r); }

private:
    EventRaiser &m_e;
};

} // namespace cellvex
