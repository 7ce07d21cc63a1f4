#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

namespace cellvex {

// What a number field of the printing dialogs takes.
enum class FieldKind {
    Digits,      // copies, zoom: digits only
    Millimetres, // paper size and margins: digits and one decimal point
    PageList,    // page selection: digits, "," and "-"
};

// Whether a typed character is taken into a field holding `text` while
// `selected` is selected (the selection is replaced by the character).
// Control characters such as backspace always pass.
bool fieldAcceptsChar(FieldKind kind, QChar ch, const QString &text, const QString &selected);

// The text a field keeps after any change, pasted or composed text included:
// only the characters the field takes (for millimetres the first "." only).
QString cleanFieldText(FieldKind kind, const QString &text);

// Keeps an edit to its kind: drops keys it does not take and cleans its text
// after every change the user makes. Owned by the edit.
class FieldFilter : public QObject
{
    Q_OBJECT
public:
    static FieldFilter *attach(QLineEdit *edit, FieldKind kind);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FieldFilter(QLineEdit *edit, FieldKind kind);
    void clean();

    QLineEdit *m_edit;
    FieldKind m_kind;
};

} // namespace cellvex
