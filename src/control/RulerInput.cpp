#include "RulerInput.h"

#include "control/CellvexControl.h"
#include "control/widgets/RulerWidget.h"
#include "grid/selection/SelectionController.h"

namespace cellvex {

namespace {

RulerModel &rulerOf(Report &report, Orientation o)
{
    return o == Orientation::Horizontal ? report.colRuler() : report.rowRuler();
}

} // namespace

RulerInput::RulerInput(CellvexControl &control)
    : m_control(control), m_drag(control.report(), control.selection())
{
    connect(Orientation::Horizontal);
    connect(Orientation::Vertical);
}

RulerInput::~RulerInput()
{
    // The rulers belong to the report, which outlives this object.
    for (Orientation o : {Orientation::Horizontal, Orientation::Vertical}) {
        RulerModel &r = rulerOf(m_control.report(), o);
        r.onPoleLDown = m_prevLDown[o == Orientation::Horizontal ? 0 : 1];
        r.onPoleLMove = nullptr;
        r.onPoleLUp = nullptr;
        r.onDragBegin = nullptr;
        r.onPoleResize = nullptr;
        r.onDragEnd = m_prevDragEnd[o == Orientation::Horizontal ? 0 : 1];
    }
}

void RulerInput::connect(Orientation o)
{
    RulerModel &r = rulerOf(m_control.report(), o);
    auto &prev = m_prevLDown[o == Orientation::Horizontal ? 0 : 1];
    prev = r.onPoleLDown;
    // The control's pole handler selects the line and raises the click
    // events; a drag starts from what it selected, unless a handler of those
    // events replaced the report or moved the selection off whole lines.
    r.onPoleLDown = [this, o, &prev](int pole, int x, int y) {
        m_drag.end();
        if (prev)
            prev(pole, x, y);
        Report &rep = m_control.report();
        const bool whole = o == Orientation::Horizontal ? rep.wholeColumnMode() : rep.wholeRowMode();
        if (whole)
            m_drag.begin(o, pole, o == Orientation::Horizontal ? x : y);
    };
    r.onPoleLMove = [this, o](int pole, int x, int y) {
        m_drag.move(o, pole, o == Orientation::Horizontal ? x : y);
    };
    r.onPoleLUp = [this](int, int, int) { poleLUp(); };
    r.onDragBegin = [this](int) { dragBegin(); };
    r.onPoleResize = [this, o](int, int moveRange) { poleResize(o, moveRange); };
    auto &prevEnd = m_prevDragEnd[o == Orientation::Horizontal ? 0 : 1];
    prevEnd = r.onDragEnd;
    r.onDragEnd = [this, &prevEnd](int pole) {
        if (prevEnd)
            prevEnd(pole);
        dragEnd();
    };
}

void RulerInput::poleLUp()
{
    const bool moved = m_drag.end();
    if (!m_skipRulerPrepare) {
        SelectionController &sel = m_control.selection();
        // The frame stayed on the pressed line while dragging; it follows now.
        if (moved)
            sel.placeSelectionFrame();
        // A drop-list cell that became the input cell opens its list.
        sel.prepareInput(true);
    }
    m_skipRulerPrepare = false;
}

void RulerInput::dragBegin()
{
    m_control.commitInput();
    m_control.report().setEditing(false);
    m_resizeDelta = 0;
}

void RulerInput::dragEnd()
{
    // The resize is applied: input goes on in the (moved) input cell, without
    // dropping a list open.
    SelectionController &sel = m_control.selection();
    if (sel.hooks().focusInput)
        sel.hooks().focusInput();
    sel.prepareInput(false);
}

void RulerInput::poleResize(Orientation o, int moveRange)
{
    RulerWidget *w = o == Orientation::Horizontal ? m_control.columnRuler() : m_control.rowRuler();
    if (w)
        w->update();
    m_resizeDelta -= moveRange;
}

} // namespace cellvex
