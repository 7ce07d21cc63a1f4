#include "KeyNavigator.h"

#include "NavigationSearch.h"
#include "PageKeyTargets.h"
#include "SelectionController.h"
#include "report/Report.h"

namespace cellvex {

namespace {

bool isPageKey(int key)
{
    return key == Qt::Key_PageUp || key == Qt::Key_PageDown || key == Qt::Key_Home || key == Qt::Key_End;
}

bool isArrowKey(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

PageKey pageKeyOf(int key)
{
    switch (key) {
    case Qt::Key_PageUp:
        return PageKey::PageUp;
    case Qt::Key_PageDown:
        return PageKey::PageDown;
    case Qt::Key_Home:
        return PageKey::Home;
    default:
        return PageKey::End;
    }
}

} // namespace

bool KeyNavigator::startsInput(int key, Qt::KeyboardModifiers modifiers, const QString &text)
{
    if (modifiers & Qt::ControlModifier)
        return key == Qt::Key_V || key == Qt::Key_Delete;
    if (key == Qt::Key_Backspace || key == Qt::Key_Escape || key == Qt::Key_Space || key == Qt::Key_Delete)
        return true;
    // Letters, digits, the keypad's digits and operators and the punctuation
    // keys all type a printable character, whatever the keyboard layout.
    return !text.isEmpty() && text.at(0).isPrint();
}

KeyOutcome KeyNavigator::handleKey(int key, Qt::KeyboardModifiers modifiers, const QString &text)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return enter();
    if (isPageKey(key) || isArrowKey(key))
        return movement(key);
    if (key == Qt::Key_Space) {
        const KeyOutcome toggled = toggleCheckBox();
        if (toggled != KeyOutcome::Ignored)
            return toggled;
    }
    if (startsInput(key, modifiers, text))
        return startInput();
    return KeyOutcome::Ignored;
}

KeyOutcome KeyNavigator::inputMethodStarted()
{
    return startInput();
}

KeyOutcome KeyNavigator::enter()
{
    Report &r = m_sel.report();
    SelectionHost &h = m_sel.host();
    if (h.dateEditorShown())
        h.acceptDateEditor();
    m_sel.commitInput();

    // Read after input was finished: the caption handlers may have moved or
    // replaced everything.
    const int ic = r.inputCol(), ir = r.inputRow();
    QPoint target(-1, -1);
    if (const Cell *c = r.cell(ic, ir); c && c->cellNextPX() != -1 && c->cellNextPY() != -1) {
        if (!r.contains(c->cellNextPX(), c->cellNextPY()))
            return KeyOutcome::Stayed;
        target = QPoint(c->cellNextPX(), c->cellNextPY());
    }
    if (target.x() < 0) {
        const QPoint from = r.contains(ic, ir) ? QPoint(ic + 1, ir) : QPoint(0, 0);
        target = scanCellsWrapping(r, ScanOrder::Reading, true, from, isEnterable);
        if (target.x() < 0) {
            m_sel.clearAfterFailedMove();
            return KeyOutcome::Cleared;
        }
    }
    m_sel.selectTarget(target.x(), target.y());
    return KeyOutcome::Moved;
}

KeyOutcome KeyNavigator::movement(int key)
{
    Report &r = m_sel.report();
    SelectionHost &h = m_sel.host();
    const bool horizontalInLine =
        key == Qt::Key_Home || key == Qt::Key_End || key == Qt::Key_Left || key == Qt::Key_Right;
    if (r.editing() && horizontalInLine)
        return KeyOutcome::Ignored; // the caret moves in the editor
    const bool vertical =
        key == Qt::Key_PageUp || key == Qt::Key_PageDown || key == Qt::Key_Up || key == Qt::Key_Down;
    if (vertical && h.dropListOpen())
        return KeyOutcome::Ignored; // the open list moves its own highlight

    if (isPageKey(key)) {
        // Without page bands there is no cell, and the key changes nothing.
        const PageBands before = h.pageBands();
        if (before.colBands() == 0 || before.rowBands() == 0)
            return KeyOutcome::Ignored;
        m_sel.commitInput();
        const QPoint target = pageKeyTarget(r, pageKeyOf(key), h.pageBands());
        if (target.x() < 0)
            return KeyOutcome::Stayed; // the report changed under the bands
        // Counts as a move even onto the input cell itself: the selection
        // shrinks to its range and both events follow.
        m_sel.selectTarget(target.x(), target.y());
        return KeyOutcome::Moved;
    }

    m_sel.commitInput();
    const QPoint target = arrowTarget(key);
    if (target.x() < 0) {
        m_sel.clearAfterFailedMove();
        return KeyOutcome::Cleared;
    }
    m_sel.selectTarget(target.x(), target.y());
    return KeyOutcome::Moved;
}

QPoint KeyNavigator::arrowTarget(int key) const
{
    const Report &r = m_sel.report();
    const int ic = r.inputCol(), ir = r.inputRow();
    const bool has = r.contains(ic, ir);
    const QPoint last(r.colCount() - 1, r.rowCount() - 1);
    switch (key) {
    case Qt::Key_Right:
        return scanCellsWrapping(r, ScanOrder::Reading, true, has ? QPoint(ic + 1, ir) : QPoint(0, 0),
                                 isReachable);
    case Qt::Key_Left:
        return scanCellsWrapping(r, ScanOrder::Reading, false, has ? QPoint(ic - 1, ir) : last, isReachable);
    case Qt::Key_Down:
        return scanCellsWrapping(r, ScanOrder::Column, true, has ? QPoint(ic, ir + 1) : QPoint(0, 0),
                                 isReachable);
    default: // Up
        return scanCellsWrapping(r, ScanOrder::Column, false, has ? QPoint(ic, ir - 1) : last, isReachable);
    }
}

KeyOutcome KeyNavigator::toggleCheckBox()
{
    Report &r = m_sel.report();
    const int ic = r.inputCol(), ir = r.inputRow();
    const Cell *c = r.cell(ic, ir);
    if (!c || c->kind() != CellKind::CheckBox || c->readOnly())
        return KeyOutcome::Ignored;
    // Through the caption setter, so the caption events follow. The new
    // value is a change to the report like any other: a host that asks
    // Saved before closing must not lose it.
    const std::uint64_t gen = r.generation();
    r.setCellCaption(ic, ir, c->caption() == QLatin1String("1") ? QStringLiteral("0") : QStringLiteral("1"));
    if (r.generation() == gen)
        r.setSaved(false);
    return KeyOutcome::Toggled;
}

KeyOutcome KeyNavigator::startInput()
{
    Report &r = m_sel.report();
    const Cell *c = r.cell(r.inputCol(), r.inputRow());
    if (r.editing() || !c || c->kind() != CellKind::Text || c->readOnly())
        return KeyOutcome::Ignored;
    r.setEditing(true);
    m_sel.host().openTypingEditor();
    return KeyOutcome::StartedInput;
}

} // namespace cellvex
