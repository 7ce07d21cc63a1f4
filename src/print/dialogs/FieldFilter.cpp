#include "FieldFilter.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace cellvex {

namespace {

bool isDigit(QChar ch)
{
    // Only ASCII digits: full-width or other scripts' digits do not convert.
    return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
}

const QChar kPoint = QLatin1Char('.');

} // namespace

bool fieldAcceptsChar(FieldKind kind, QChar ch, const QString &text, const QString &selected)
{
    if (ch.category() == QChar::Other_Control)
        return true;
    if (isDigit(ch))
        return true;
    switch (kind) {
    case FieldKind::Digits:
        return false;
    case FieldKind::Millimetres:
        // A second point only when the one there is about to be replaced.
        return ch == kPoint && (!text.contains(kPoint) || selected.contains(kPoint));
    case FieldKind::PageList:
        return ch == QLatin1Char(',') || ch == QLatin1Char('-');
    }
    return false;
}

QString cleanFieldText(FieldKind kind, const QString &text)
{
    QString out;
    out.reserve(text.size());
    bool point = false;
    for (const QChar ch : text) {
        if (isDigit(ch)) {
            out += ch;
        } else if (kind == FieldKind::Millimetres && ch == kPoint && !point) {
            out += ch;
            point = true;
        } else if (kind == FieldKind::PageList && (ch == QLatin1Char(',') || ch == QLatin1Char('-'))) {
            out += ch;
        }
    }
    return out;
}

FieldFilter *FieldFilter::attach(QLineEdit *edit, FieldKind kind)
{
    return new FieldFilter(edit, kind);
}

FieldFilter::FieldFilter(QLineEdit *edit, FieldKind kind) : QObject(edit), m_edit(edit), m_kind(kind)
{
    edit->installEventFilter(this);
    // Only the user's changes are cleaned: a stored setting shown in the
    // field ("-5", "1E-5") must come back unchanged when it is not edited.
    connect(edit, &QLineEdit::textEdited, this, &FieldFilter::clean);
}

bool FieldFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Shortcuts (Ctrl+V, Ctrl+A, ...) go through; what they bring in is
        // cleaned afterwards.
        const bool shortcut = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        const QString typed = key->text();
        if (!shortcut && !typed.isEmpty()) {
            for (const QChar ch : typed) {
                if (!fieldAcceptsChar(m_kind, ch, m_edit->text(), m_edit->selectedText()))
                    return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void FieldFilter::clean()
{
    const QString text = m_edit->text();
    const QString cleaned = cleanFieldText(m_kind, text);
    if (cleaned == text)
        return;
    // Keep the caret where it was, less what was removed before it.
    const int cursor = m_edit->cursorPosition();
    const int removedBefore =
        int(text.left(cursor).size() - cleanFieldText(m_kind, text.left(cursor)).size());
    m_edit->setText(cleaned);
    m_edit->setCursorPosition(cursor - removedBefore);
}

} // namespace cellvex
