#include "control/input/InPlaceEditor.h"

#include "common/AnsiText.h"
#include "control/input/InputMethodName.h"
#include "grid/EditorTextRules.h"
#include "grid/FormatCodes.h"
#include "grid/selection/CellHitTest.h"
#include "grid/selection/SelectionController.h"
#include "report/Report.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace cellvex {

namespace {

// The items of a drop-down cell: one per line, lines ended by CR, LF or CR LF;
// a break at the very end starts no further item.
QStringList dropItems(const QString &text)
{
    QStringList items;
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && text.at(end) != QLatin1Char('\r') && text.at(end) != QLatin1Char('\n'))
            ++end;
        items.push_back(text.mid(start, end - start));
        if (end + 1 < n && text.at(end) == QLatin1Char('\r') && text.at(end + 1) == QLatin1Char('\n'))
            ++end;
        start = end + 1;
    }
    return items;
}

QString withLetterCase(const QString &text, bool upper)
{
    QString out = text;
    for (QChar &ch : out) {
        const char16_t c = ch.unicode();
        if (upper && c >= u'a' && c <= u'z')
            ch = QChar(char16_t(c - 32));
        else if (!upper && c >= u'A' && c <= u'Z')
            ch = QChar(char16_t(c + 32));
    }
    return out;
}

int clampToWidget(std::int64_t v)
{
    // Far outside the view a cell's position does not fit a widget coordinate.
    return int(std::clamp<std::int64_t>(v, -100000, 100000));
}

} // namespace

InPlaceEditor::InPlaceEditor(InPlaceEditorHost &control, const InPlaceEditorWidgets &widgets)
    : m_control(control), m_w(widgets)
{
    m_picker = m_w.datePanel->findChild<QDateEdit *>(QStringLiteral("dtp_datetime"));
    m_ok = m_w.datePanel->findChild<QPushButton *>(QStringLiteral("pnl_datetimeok"));
    m_cancel = m_w.datePanel->findChild<QPushButton *>(QStringLiteral("pnl_datetimecancel"));
    m_clear = m_w.datePanel->findChild<QPushButton *>(QStringLiteral("pnl_datetimeclear"));
    Q_ASSERT(m_picker && m_ok && m_cancel && m_clear);
    m_picker->setGeometry(2, 1, 87, 20);
    m_ok->setGeometry(89, 1, 29, 20);
    m_cancel->setGeometry(118, 1, 29, 20);
    m_clear->setGeometry(147, 1, 29, 20);
    connect(m_ok, &QPushButton::clicked, this, [this] { guarded(&InPlaceEditor::acceptDate); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { guarded(&InPlaceEditor::cancelDate); });
    connect(m_clear, &QPushButton::clicked, this, [this] { guarded(&InPlaceEditor::clearDate); });

    // The one-line editor holds the focus while hidden: zero wide, not invisible.
    m_w.edit->setGeometry(0, 0, 0, 19);
    m_w.edit->show();
    m_w.edit->installEventFilter(this);
    connect(m_w.edit, &QLineEdit::textChanged, this, &InPlaceEditor::textChanged);

    m_w.list->setEditable(false);
    connect(m_w.list, &QComboBox::activated, this,
            [this](int index) { m_control.runGuarded([&] { listChosen(index); }); });
}

InPlaceEditor::~InPlaceEditor()
{
    if (m_listPopup)
        m_listPopup->removeEventFilter(this);
}

Cell *InPlaceEditor::inputCell() const
{
    Report &r = m_control.report();
    return r.cell(r.inputCol(), r.inputRow());
}

QRect InPlaceEditor::cellOnSurface() const
{
    const Report &r = m_control.report();
    const ReportRect c = r.cellRect(r.inputCol(), r.inputRow());
    return QRect(clampToWidget(c.x - surfaceOriginX(r)), clampToWidget(c.y - surfaceOriginY(r)),
                 clampToWidget(c.width), clampToWidget(c.height));
}

bool InPlaceEditor::typingEditorShown() const
{
    return m_w.edit->width() > 0;
}

bool InPlaceEditor::dropListShown() const
{
    return !m_w.list->isHidden() && m_w.list->width() > 0;
}

bool InPlaceEditor::dropListOpen() const
{
    const QWidget *popup = m_w.list->view()->window();
    return popup != m_w.list->window() && popup->isVisible();
}

void InPlaceEditor::watchListPopup()
{
    // The box builds its popup when first needed and may build it again:
    // watch the one that is about to show for its closing.
    QWidget *popup = m_w.list->view()->window();
    if (popup == m_listPopup || popup == m_w.list->window())
        return;
    if (m_listPopup)
        m_listPopup->removeEventFilter(this);
    m_listPopup = popup;
    m_listPopup->installEventFilter(this);
}

bool InPlaceEditor::dateEditorShown() const
{
    return m_w.datePanel->width() > 0 || m_w.datePanel->height() > 0;
}

void InPlaceEditor::applyIme(QWidget *editor, const QString &name)
{
    // The platform applies a name when the editor gains the focus: take the
    // focus away first so that it is gained again.
    if (!name.isEmpty())
        m_w.client->setFocus();
    setInputMethodName(editor, name);
    editor->setFocus();
}

// --- preparing ---------------------------------------------------------------------------

void InPlaceEditor::prepareInput(bool dropOnPrepare)
{
    SelectionController &sel = m_control.selection();
    const bool dblClick = sel.dblClickPending();
    const Cell *c = inputCell();
    if (!c) {
        m_case = LetterCase::Normal;
        setInputMethodName(m_w.edit, QString());
    } else if (c->readOnly()) {
        m_case = LetterCase::Normal;
        applyIme(m_w.edit, c->imeName());
    } else {
        switch (c->kind()) {
        case CellKind::Text:
            prepareText(*c, dblClick);
            break;
        case CellKind::DropDown:
            prepareDropList(*c, dblClick, dropOnPrepare);
            break;
        case CellKind::Date:
            prepareDate(*c);
            break;
        case CellKind::Chart:
        case CellKind::Button:
        case CellKind::CheckBox:
            m_case = LetterCase::Normal;
            applyIme(m_w.edit, c->imeName());
            break;
        }
    }
    sel.setDblClickPending(false);
    // A double-click that opened no editor (a read-only cell, a check box)
    // must not leave input "open": Left and Right would stay with an editor
    // nobody sees and no longer move the selection.
    if (!typingEditorShown() && !dropListShown() && !dateEditorShown())
        m_control.report().setEditing(false);
    m_w.surface->update();
}

void InPlaceEditor::prepareText(const Cell &cell, bool dblClick)
{
    m_case = LetterCase::Normal;
    if (cell.formatType() == FormatCode::Text && cell.formatText() == QLatin1String("1"))
        m_case = LetterCase::Lower;
    else if (cell.formatType() == FormatCode::Text && cell.formatText() == QLatin1String("2"))
        m_case = LetterCase::Upper;
    applyIme(m_w.edit, cell.imeName());
    if (!dblClick)
        return; // input starts with the first typed key
    m_control.report().setEditing(true);
    showTypingEditor(cell, cell.caption());
    m_w.edit->selectAll();
}

void InPlaceEditor::openTypingEditor()
{
    const Cell *c = inputCell();
    if (!c)
        return;
    showTypingEditor(*c, QString());
}

void InPlaceEditor::showTypingEditor(const Cell &cell, const QString &text)
{
    const int format = cell.formatType();
    const bool limited =
        format == FormatCode::Text || format == FormatCode::NaturalNumber || format == FormatCode::Integer;
    m_maxBytes = limited ? cell.textLength() : 0;
    m_w.edit->setFont(m_control.report().fonts().font(cell.fontId()));
    const QRect r = cellOnSurface();
    m_w.edit->setGeometry(r.x(), r.y(), std::max(1, r.width() + 1), r.height() + 1);
    m_w.edit->setText(text);
    m_w.edit->setFocus();
    m_w.edit->raise();
}

void InPlaceEditor::prepareDropList(const Cell &cell, bool dblClick, bool dropOnPrepare)
{
    m_case = LetterCase::Normal;
    if (!dblClick)
        applyIme(m_w.edit, cell.imeName());
    if (!dropOnPrepare && !dblClick)
        return;
    m_control.report().setEditing(true);
    const QStringList items = dropItems(cell.dropText());
    m_w.list->clear();
    m_w.list->addItems(items);
    m_w.list->setCurrentIndex(int(items.indexOf(cell.caption())));
    m_w.list->setFont(m_control.report().fonts().font(cell.fontId()));
    const QRect r = cellOnSurface();
    // At the cell's bottom and behind the cells' frame: only the dropped list shows.
    m_w.list->setGeometry(r.x(), r.y() + r.height() - 19, r.width() + 2, 20);
    m_w.list->show();
    applyIme(m_w.list, cell.imeName());
    m_w.list->lower();
    m_w.list->showPopup();
    watchListPopup();
}

void InPlaceEditor::placeEditors()
{
    if (!inputCell())
        return;
    const QRect r = cellOnSurface();
    if (typingEditorShown())
        m_w.edit->move(r.topLeft());
    if (dropListShown())
        m_w.list->move(r.x(), r.y() + r.height() - 19);
    if (dateEditorShown())
        m_w.datePanel->move(r.topLeft());
}

// --- finishing ---------------------------------------------------------------------------

void InPlaceEditor::commitInput()
{
    Report &report = m_control.report();
    const std::uint64_t gen = report.generation();
    const int col = report.inputCol(), row = report.inputRow();
    if (typingEditorShown()) {
        const QString text = m_w.edit->text();
        std::optional<QString> caption;
        if (const Cell *c = inputCell(); c && text != c->caption())
            caption = captionFromEditorText(c->formatType(), c->formatText(), text); // may throw: text kept
        hideTypingEditor();
        if (caption)
            report.setCellCaption(col, row, *caption);
        if (report.generation() != gen)
            return; // a handler replaced the report, which hid everything
        // Finishing input is an edit even when nothing differed.
        report.setSaved(false);
    }
    if (dropListShown()) {
        const int index = m_w.list->currentIndex();
        const QString item = m_w.list->itemText(index);
        hideDropList();
        if (report.generation() != gen)
            return;
        if (index >= 0) {
            if (const Cell *c = inputCell(); c && item != c->caption())
                report.setCellCaption(col, row, item);
            if (report.generation() != gen)
                return;
            report.setSaved(false);
        }
    }
    if (dateEditorShown()) {
        // Leaving the date editor any other way than by its buttons cancels it.
        hideDateEditor();
        m_w.edit->setFocus();
    }
    // With every editor hidden nothing is open; a key typed next starts input again.
    report.setEditing(false);
}

void InPlaceEditor::hideEditors()
{
    hideTypingEditor();
    m_closingList = true;
    hideDropList();
    m_closingList = false;
    hideDateEditor();
    m_w.edit->clear();
    m_control.report().setEditing(false);
}

void InPlaceEditor::hideTypingEditor()
{
    // Zero wide, still visible: the editor keeps the focus.
    m_w.edit->setGeometry(0, 0, 0, 19);
}

void InPlaceEditor::hideDropList()
{
    m_w.list->hidePopup();
    m_w.list->setGeometry(0, 0, 0, 19);
    m_w.list->hide();
}

void InPlaceEditor::hideDateEditor()
{
    m_w.datePanel->setGeometry(0, 0, 0, 0);
    m_w.datePanel->hide();
}

void InPlaceEditor::closeInputMethod()
{
    const Cell *c = inputCell();
    if (!c || c->imeName().isEmpty() || c->imeName() == kInputMethodOff)
        return;
    m_w.client->setFocus();
    setInputMethodName(m_w.edit, kInputMethodOff);
    m_w.edit->setFocus();
}

// --- typing --------------------------------------------------------------------------------

bool InPlaceEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_w.edit && event->type() == QEvent::KeyPress) {
        bool swallow = false;
        m_control.runGuarded([&] { swallow = filterTypedKey(static_cast<QKeyEvent *>(event)); });
        return swallow;
    }
    if (watched == m_listPopup && event->type() == QEvent::Hide && !m_closingList)
        m_control.runGuarded([this] { listClosedUp(); });
    return false;
}

bool InPlaceEditor::filterTypedKey(QKeyEvent *event)
{
    // Enter acts on key-down (moving on); the editor never types it. Escape
    // types nothing either: like Backspace it has opened an empty editor,
    // which empties the cell when the input is finished.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Escape)
        return true;
    const QString text = event->text();
    if (text.size() != 1)
        return false; // no character, or several from an input method: the cleaning sees them
    const QChar ch = text.at(0);
    if (!ch.isPrint() && ch != kBackspace)
        return false; // editing keys such as Delete
    const Cell *c = inputCell();
    if (!c)
        return false;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    EditorState state;
    state.text = m_w.edit->text();
    if (m_w.edit->hasSelectedText()) {
        state.selStart = m_w.edit->selectionStart();
        state.selLength = m_w.edit->selectedText().size();
    } else {
        state.selStart = m_w.edit->cursorPosition();
    }
    if (!acceptTypedChar(c->formatType(), ch, state, ctrl))
        return true;
    if (m_maxBytes > 0 && !ctrl && ch != kBackspace) {
        // The limit counts code-page bytes: a character that does not fit whole is refused.
        QString after = state.text;
        after.replace(state.selStart, state.selLength, ch);
        if (ansiByteLength(after) > m_maxBytes)
            return true;
    }
    return false;
}

void InPlaceEditor::textChanged(const QString &text)
{
    if (m_cleaning)
        return;
    const Cell *c = inputCell();
    if (!c)
        return;
    QString cleaned = cleanEditorText(c->formatType(), text);
    if (m_case != LetterCase::Normal)
        cleaned = withLetterCase(cleaned, m_case == LetterCase::Upper);
    if (m_maxBytes > 0 && ansiByteLength(cleaned) > m_maxBytes)
        cleaned = cutToAnsiBytes(cleaned, m_maxBytes);
    // Written back only when it changes, so typing allowed characters keeps the caret.
    if (cleaned == text)
        return;
    const int caret = std::min<int>(m_w.edit->cursorPosition(), int(cleaned.size()));
    m_cleaning = true;
    m_w.edit->setText(cleaned);
    m_w.edit->setCursorPosition(caret);
    m_cleaning = false;
}

// --- the drop-down list ----------------------------------------------------------------------

void InPlaceEditor::listChosen(int index)
{
    Report &report = m_control.report();
    const Cell *c = inputCell();
    if (!c || index < 0 || c->kind() != CellKind::DropDown)
        return;
    const QString item = m_w.list->itemText(index);
    const std::uint64_t gen = report.generation();
    if (item != c->caption())
        report.setCellCaption(report.inputCol(), report.inputRow(), item);
    // Choosing is an edit even when the item equals the caption.
    if (report.generation() == gen)
        report.setSaved(false);
}

void InPlaceEditor::listClosedUp()
{
    m_control.report().setEditing(false);
    // Zero wide rather than hidden: hiding the box now would close the popup
    // again from inside its own closing.
    m_w.list->setGeometry(0, 0, 0, 19);
    m_w.edit->setFocus();
    // The release of the click that closed the list must not reopen it.
    m_control.dropListClosed();
}

} // namespace cellvex
