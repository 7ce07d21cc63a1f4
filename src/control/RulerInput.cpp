#include "RulerInput.h"

#include "control/widgets/RulerWidget.h"
#include "grid/selection/SelectionController.h"
#include "report/Report.h"

namespace cellvex {

RulerInput::RulerInput(Report &report, SelectionController &selection, RulerInputHost &host,
                       RulerWidget &columns, RulerWidget &rows)
    : m_report(report), m_selection(selection), m_host(host), m_drag(report, selection)
{
    connectRuler(Orientation::Horizontal, columns);
    connectRuler(Orientation::Vertical, rows);
}

void RulerInput::connectRuler(Orientation o, RulerWidget &ruler)
{
    // The connections end with this object (the context of each).
    connect(&ruler, &RulerWidget::poleLeftPressed, this,
            [this, o](int pole, int x, int y) { poleLeftDown(o, pole, x, y); });
    connect(&ruler, &RulerWidget::poleRightPressed, this,
            [this, o](int pole, int, int) { m_host.poleDown(o, pole, false); });
    connect(&ruler, &RulerWidget::poleLeftMoved, this, [this, o](int pole, int x, int y) {
        m_drag.move(o, pole, o == Orientation::Horizontal ? x : y);
    });
    connect(&ruler, &RulerWidget::poleLeftReleased, this, [this](int, int, int) { poleLUp(); });
    connect(&ruler, &RulerWidget::resizeStarted, this, [this](int) { dragBegin(); });
    connect(&ruler, &RulerWidget::poleResizing, this, [this, &ruler](int, int moveRange) {
        ruler.update();
        m_resizeDelta -= moveRange;
    });
    connect(&ruler, &RulerWidget::resizeFinished, this, [this, o](int pole) { dragEnd(o, pole); });
}

void RulerInput::poleLeftDown(Orientation o, int pole, int x, int y)
{
    // The pole handler selects the line and raises the click events; a drag
    // starts from what it selected, unless a handler of those events replaced
    // the report or moved the selection off whole lines.
    m_drag.end();
    m_host.poleDown(o, pole, true);
    const bool whole = o == Orientation::Horizontal ? m_report.wholeColumnMode() : m_report.wholeRowMode();
    if (whole)
        m_drag.begin(o, pole, o == Orientation::Horizontal ? x : y);
}

void RulerInput::poleLUp()
{
    const bool moved = m_drag.end();
    if (!m_skipRulerPrepare) {
        // The frame stayed on the pressed line while dragging; it follows now.
        if (moved)
            m_selection.placeSelectionFrame();
        // A drop-list cell that became the input cell opens its list.
        m_selection.prepareInput(true);
    }
    m_skipRulerPrepare = false;
}

void RulerInput::dragBegin()
{
    m_host.commitInput();
    m_report.setEditing(false);
    m_resizeDelta = 0;
}

void RulerInput::dragEnd(Orientation o, int pole)
{
    m_host.applyResize(o, pole);
    // The resize is applied: input goes on in the (moved) input cell, without
    // dropping a list open.
    m_host.focusInput();
    m_selection.prepareInput(false);
}

} // namespace cellvex
