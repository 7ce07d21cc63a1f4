#pragma once

#include "control/RulerDragSelection.h"

#include <QObject>

namespace cellvex {

class RulerWidget;
class SelectionController;

// What the ruler gestures ask of the rest of the control.
class RulerInputHost
{
public:
    // Finishes in-place input (may run host code).
    virtual void commitInput() = 0;
    // A press on a pole's face: select the line and raise the click events.
    virtual void poleDown(Orientation orientation, int pole, bool left) = 0;
    // A resize drag ended: the cells take the pole's new range.
    virtual void applyResize(Orientation orientation, int pole) = 0;
    // The keyboard focus goes back to the input editor.
    virtual void focusInput() = 0;

protected:
    ~RulerInputHost() = default;
};

// The control's side of the rulers' mouse gestures: selecting by a press on
// a pole, dragging a selection of whole columns or rows along a ruler and
// finishing it on release, and the start, steps and end of a resize drag.
class RulerInput : public QObject
{
public:
    RulerInput(Report &report, SelectionController &selection, RulerInputHost &host, RulerWidget &columns,
               RulerWidget &rows);

    // Set when a drop-down list closes: the release that follows the click
    // which closed it must not prepare input again (it would reopen the list).
    void setSkipRulerPrepare(bool skip) { m_skipRulerPrepare = skip; }
    bool skipRulerPrepare() const { return m_skipRulerPrepare; }
    // How much the pole being resized has grown so far.
    int resizeDelta() const { return m_resizeDelta; }
    const RulerDragSelection &dragSelection() const { return m_drag; }

private:
    void connectRuler(Orientation orientation, RulerWidget &ruler);
    void poleLeftDown(Orientation orientation, int pole, int x, int y);
    void poleLUp();
    void dragBegin();
    void dragEnd(Orientation orientation, int pole);

    Report &m_report;
    SelectionController &m_selection;
    RulerInputHost &m_host;
    RulerDragSelection m_drag;
    int m_resizeDelta = 0;
    bool m_skipRulerPrepare = false;
};

} // namespace cellvex
