// The control's glue between window input and the selection core: mouse on
// the cell surface and the rulers, keys, the selection frame lines.
#include "control/CellSurface.h"
#include "control/CellvexControl.h"

#include "control/SelectionEventAdapter.h"
#include "control/input/CellWidgetMouse.h"
#include "control/input/ChartMarkerMouse.h"
#include "control/input/InPlaceEditor.h"
#include "control/viewport/FrameDragMover.h"
#include "control/viewport/GridViewport.h"
#include "control/widgets/LinePanel.h"
#include "control/widgets/RulerWidget.h"
#include "grid/selection/CellHitTest.h"
#include "grid/selection/CellMouseInput.h"
#include "grid/selection/KeyNavigator.h"
#include "grid/selection/SelectionController.h"

#include <QCursor>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>

namespace cellvex {

void CellvexControl::buildSelection()
{
    m_selectionEvents = std::make_unique<SelectionEventAdapter>(m_events);
    m_inPlace = std::make_unique<InPlaceEditor>(
        static_cast<InPlaceEditorHost &>(*this),
        InPlaceEditorWidgets{m_client, m_cellSurface, m_edtInput, m_cbbInput, m_datetime});
    m_selection = std::make_unique<SelectionController>(*m_report, m_selectionEvents.get(),
                                                        static_cast<SelectionHost *>(this));
    m_cellMouse = std::make_unique<CellMouseInput>(*m_selection);
    m_keys = std::make_unique<KeyNavigator>(*m_selection);
    // A drop-down cell's button opens the list; the release that follows must not prepare again.
    m_widgetMouse = std::make_unique<CellWidgetMouse>(
        *m_report,
        [this] {
            m_selection->prepareInput(true);
            m_cellMouse->setSkipCellPrepare(true);
        },
        [this](int col, int row) { m_actions->runButtonActions(col, row); });
    // A dragged chart marker tells the host through the service.
    m_chartMouse = std::make_unique<ChartMarkerMouse>(
        *m_report, [this](int col, int row, int type, const QString &sign, const QString &data) {
            m_actions->chartSeriesAdjusted(col, row, type, sign, data);
        });
    // Double-clicks on the corner boxes select everything or nothing.
    connect(&m_viewport->mover(), &FrameDragMover::leftCornerDoubleClicked, this,
            [this] { guarded([this] { m_selection->selectAll(); }); });
    connect(&m_viewport->mover(), &FrameDragMover::rightCornerDoubleClicked, this,
            [this] { guarded([this] { m_selection->clearAll(); }); });

    m_rulerInput = std::make_unique<RulerInput>(*m_report, *m_selection, static_cast<RulerInputHost &>(*this),
                                                *m_polex, *m_poley);
}

void CellvexControl::commitInput()
{
    if (m_inPlace)
        m_inPlace->commitInput();
}

void CellvexControl::prepareInput(bool dropOnPrepare)
{
    m_inPlace->prepareInput(dropOnPrepare);
}

void CellvexControl::openTypingEditor()
{
    m_inPlace->openTypingEditor();
}

void CellvexControl::scrollSelectionIntoView()
{
    m_viewport->scroll().scrollSelectionIntoView();
}

void CellvexControl::keepColumnInView(int col)
{
    m_viewport->scroll().keepInView(Orientation::Horizontal, col);
}

void CellvexControl::keepRowInView(int row)
{
    m_viewport->scroll().keepInView(Orientation::Vertical, row);
}

void CellvexControl::frameChanged()
{
    placeSelectionLines();
}

void CellvexControl::repaintCells()
{
    m_cellSurface->update();
}

PageBands CellvexControl::pageBands()
{
    const Pagination &p = m_actions->pagination();
    return PageBands{p.colPageStarts(), p.rowPageStarts()};
}

bool CellvexControl::dateEditorShown()
{
    return m_inPlace->dateEditorShown();
}

void CellvexControl::acceptDateEditor()
{
    m_inPlace->acceptDate();
}

bool CellvexControl::dropListOpen()
{
    return m_inPlace->dropListOpen();
}

void CellvexControl::placeSelectionLines()
{
    const SelectionFrame &f = m_selection->frame();
    const std::int64_t ox = surfaceOriginX(*m_report), oy = surfaceOriginY(*m_report);
    const ReportRect parts[4] = {f.left, f.top, f.right, f.bottom};
    const std::int64_t limit = std::int64_t(m_cellSurface->width()) + m_cellSurface->height() + 16;
    for (int i = 0; i < 4; ++i) {
        const ReportRect &r = parts[i];
        // Clip in 64 bit: on a huge report the frame may lie far outside the view.
        const std::int64_t x0 = std::clamp<std::int64_t>(r.x - ox, -8, limit);
        const std::int64_t y0 = std::clamp<std::int64_t>(r.y - oy, -8, limit);
        const std::int64_t x1 = std::clamp<std::int64_t>(r.x - ox + r.width, -8, limit);
        const std::int64_t y1 = std::clamp<std::int64_t>(r.y - oy + r.height, -8, limit);
        LinePanel *line = m_selLines[i];
        if (!f.visible() || x1 <= x0 || y1 <= y0) {
            line->hide();
            continue;
        }
        line->setGeometry(int(x0), int(y0), int(x1 - x0), int(y1 - y0));
        line->show();
        line->raise();
    }
}

bool CellvexControl::cellSurfaceMouse(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *me = static_cast<QMouseEvent *>(event);
        const QPoint p = me->position().toPoint();
        const CellHit hit = hitTestSurface(*m_report, p.x(), p.y());
        if (me->button() == Qt::LeftButton) {
            m_chartMouse->press(hit);
            m_widgetMouse->press(hit);
            m_cellMouse->leftPress(hit);
        } else if (me->button() == Qt::RightButton)
            m_cellMouse->rightPress(hit, QCursor::pos().x(), QCursor::pos().y());
        return true;
    }
    case QEvent::MouseMove: {
        auto *me = static_cast<QMouseEvent *>(event);
        const QPoint p = me->position().toPoint();
        if (me->buttons() == Qt::LeftButton) {
            m_cellMouse->leftMove(surfaceOriginX(*m_report) + p.x(), surfaceOriginY(*m_report) + p.y());
        } else if (me->buttons() == Qt::NoButton) {
            // Over a draggable marker the pointer offers the move.
            const int shape = m_chartMouse->cursorAt(hitTestSurface(*m_report, p.x(), p.y()));
            if (shape == Qt::ArrowCursor)
                m_cellSurface->unsetCursor();
            else
                m_cellSurface->setCursor(Qt::CursorShape(shape));
        }
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto *me = static_cast<QMouseEvent *>(event);
        if (me->button() == Qt::LeftButton) {
            // A click on a cell's widget acts before the release reaches the cell.
            const QPoint p = me->position().toPoint();
            // A marker drag ends first: the chart took the press.
            m_chartMouse->release(surfaceOriginX(*m_report) + p.x(), surfaceOriginY(*m_report) + p.y());
            m_widgetMouse->release(hitTestSurface(*m_report, p.x(), p.y()));
            m_cellMouse->leftRelease();
        }
        return true;
    }
    case QEvent::MouseButtonDblClick: {
        auto *me = static_cast<QMouseEvent *>(event);
        if (me->button() == Qt::LeftButton) {
            const QPoint p = me->position().toPoint();
            const CellHit hit = hitTestSurface(*m_report, p.x(), p.y());
            // A check box takes the second click as a click of its own.
            if (m_widgetMouse->partAt(hit) == CellWidgetPart::CheckBox) {
                m_widgetMouse->press(hit);
                return true;
            }
            const std::uint64_t gen = m_report->generation();
            m_cellMouse->doubleClick(hit);
            if (m_report->generation() == gen)
                m_widgetMouse->doubleClick(hit);
        }
        return true; // never turned into a second press
    }
    default:
        return false;
    }
}

void CellvexControl::poleDown(Orientation orientation, int pole, bool left)
{
    commitInput();
    const std::uint64_t gen = m_report->generation();
    if (!m_selection->selectPoleLine(orientation, pole))
        return;
    const int orient = orientation == Orientation::Horizontal ? 0 : 1;
    if (left)
        m_events.poleLClick(pole + 1, orient);
    else
        m_events.poleRClick(pole + 1, orient, QCursor::pos().x(), QCursor::pos().y());
    if (m_selection->raiseInputChange(gen))
        m_selection->raiseSelectChange(gen);
}

} // namespace cellvex
