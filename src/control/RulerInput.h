#pragma once

#include "control/RulerDragSelection.h"

#include <functional>

namespace cellvex {

class CellvexControl;

// The control's side of the rulers' mouse gestures: dragging a selection of
// whole columns or rows along a ruler, finishing it on release, and the
// start and steps of a resize drag (its end is applied to the cells by the
// layout). The presses themselves select through the control's pole handler;
// this wraps it to start the drag.
class RulerInput
{
public:
    explicit RulerInput(CellvexControl &control);
    ~RulerInput();
    RulerInput(const RulerInput &) = delete;
    RulerInput &operator=(const RulerInput &) = delete;

    // Set when a drop-down list closes: the release that follows the click
    // which closed it must not prepare input again (it would reopen the list).
    void setSkipRulerPrepare(bool skip) { m_skipRulerPrepare = skip; }
    bool skipRulerPrepare() const { return m_skipRulerPrepare; }
    // How much the pole being resized has grown so far.
    int resizeDelta() const { return m_resizeDelta; }
    const RulerDragSelection &dragSelection() const { return m_drag; }

private:
    void connect(Orientation orientation);
    void poleLUp();
    void dragBegin();
    void poleResize(Orientation orientation, int moveRange);
    void dragEnd();

    CellvexControl &m_control;
    RulerDragSelection m_drag;
    int m_resizeDelta = 0;
    bool m_skipRulerPrepare = false;
    std::function<void(int, int, int)> m_prevLDown[2];
    std::function<void(int)> m_prevDragEnd[2]; // the layout's, which applies the resize
};

} // namespace cellvex
