#pragma once

#include <QPoint>
#include <QString>
#include <Qt>

namespace cellvex {

class SelectionController;

// What a key did to the grid. The handler never swallows a key: whatever the
// outcome, the key goes on to the focused window (normally the one-line
// editor, which types it when input started).
enum class KeyOutcome {
    Ignored,      // not a grid key here, or left to the open editor or list
    Moved,        // new input cell and selection; OnInputChange, OnSelectChange raised
    Cleared,      // no cell qualified; a selection there was is gone (events with -1)
    Stayed,       // Enter finished input but its next position lies outside the report
    StartedInput, // the typing editor opened over the input cell
    Toggled,      // Space flipped a check box
};

// The control's key preview: movement keys, Enter, Space on check boxes and
// the keys that start typing into the input cell.
class KeyNavigator
{
public:
    explicit KeyNavigator(SelectionController &selection) : m_sel(selection) {}

    // key, modifiers and text as QKeyEvent gives them.
    KeyOutcome handleKey(int key, Qt::KeyboardModifiers modifiers, const QString &text = QString());
    // An input method began composing while no input is open: starts input
    // as a typed character would.
    KeyOutcome inputMethodStarted();

    // Whether the key would start typing: Backspace, Esc, Space, Delete and
    // every key that types a printable character; with Ctrl held only V
    // (paste) and Delete.
    static bool startsInput(int key, Qt::KeyboardModifiers modifiers, const QString &text);

private:
    KeyOutcome enter();
    KeyOutcome movement(int key);
    QPoint arrowTarget(int key) const;
    KeyOutcome toggleCheckBox();
    KeyOutcome startInput();

    SelectionController &m_sel;
};

} // namespace cellvex
