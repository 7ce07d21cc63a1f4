#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>

#include <functional>

class QComboBox;
class QDateEdit;
class QKeyEvent;
class QLineEdit;
class QPushButton;

namespace cellvex {

class Cell;
class Report;
class SelectionController;

// What the in-place editors ask of the control around them.
class InPlaceEditorHost
{
public:
    virtual Report &report() = 0;
    virtual SelectionController &selection() = 0;
    // Runs a window handler of the editors; what it throws becomes the
    // control's OnError.
    virtual void runGuarded(const std::function<void()> &handler) = 0;
    // The drop-down list closed: the release of the click that closed it
    // must not prepare input again (it would reopen the list).
    virtual void dropListClosed() = 0;

protected:
    ~InPlaceEditorHost() = default;
};

// The control's editors on the cell surface, created with the control.
struct InPlaceEditorWidgets
{
    QWidget *client = nullptr;    // pnl_client, which takes the focus around input-method changes
    QWidget *surface = nullptr;   // pnl_cell
    QLineEdit *edit = nullptr;    // edt_input, the focus holder
    QComboBox *list = nullptr;    // cbb_input
    QWidget *datePanel = nullptr; // pnl_datetime with dtp_datetime and its three buttons
};

// In-place input over the input cell: preparing the editor that suits the
// cell's kind, filtering and cleaning what is typed by the cell's format,
// writing the result into the cell, and the drop-down list and date editor.
// A hidden editor is zero wide; the one-line editor stays visible that way so
// that it keeps the keyboard focus and every key reaches it.
//
// Captions change only through Report::setCellCaption, whose handlers may
// call back into the control or replace the report: every editor is hidden
// before a caption is written, so a handler that finishes input again finds
// nothing left to write, and nothing touches the report once it was replaced.
class InPlaceEditor : public QObject
{
public:
    InPlaceEditor(InPlaceEditorHost &control, const InPlaceEditorWidgets &widgets);
    ~InPlaceEditor() override;

    // Sets up input for the input cell; dropOnPrepare lets a drop-down cell open its list.
    void prepareInput(bool dropOnPrepare);
    // Shows the one-line editor over the input cell, empty, for the key that starts input.
    void openTypingEditor();
    // Writes the open editor's value into the input cell and hides every editor.
    // Throws ReportError, keeping the editor and its text, when the text cannot
    // be converted for the cell's format.
    void commitInput();
    // Hides every editor without writing, for a report that is being replaced.
    void hideEditors();
    // Turns the input method off for the input cell before cells move.
    void closeInputMethod();
    // Places the shown editors over the input cell again after the grid scrolled.
    void placeEditors();

    bool typingEditorShown() const;
    bool dropListShown() const;
    bool dropListOpen() const;
    bool dateEditorShown() const;

    // The date editor's buttons; Enter while it is shown acts as OK.
    void acceptDate();
    void cancelDate();
    void clearDate();

    QLineEdit *edit() const { return m_w.edit; }
    QComboBox *list() const { return m_w.list; }
    QDateEdit *datePicker() const { return m_picker; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class LetterCase { Normal, Lower, Upper };

    Cell *inputCell() const;
    // The input cell's rectangle on the surface, clipped to what a widget can take.
    QRect cellOnSurface() const;
    void applyIme(QWidget *editor, const QString &name);
    void prepareText(const Cell &cell, bool dblClick);
    void prepareDropList(const Cell &cell, bool dblClick, bool dropOnPrepare);
    void prepareDate(const Cell &cell);
    void showTypingEditor(const Cell &cell, const QString &text);
    void hideTypingEditor();
    void hideDropList();
    void hideDateEditor();
    bool filterTypedKey(QKeyEvent *event);
    void textChanged(const QString &text);
    void listChosen(int index);
    void listClosedUp();
    void watchListPopup();
    // Runs a button handler; a failure becomes OnError and leaves the editor open.
    void guarded(void (InPlaceEditor::*handler)());

    InPlaceEditorHost &m_control;
    InPlaceEditorWidgets m_w;
    QDateEdit *m_picker = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_clear = nullptr;
    QPointer<QWidget> m_listPopup;
    LetterCase m_case = LetterCase::Normal;
    int m_maxBytes = 0; // 0: unlimited
    bool m_cleaning = false;
    bool m_closingList = false; // hiding by code: not a user's close-up
};

} // namespace cellvex
