#pragma once

#include <QDialog>

class QLineEdit;

namespace cellvex {

// The look both printing dialogs share: the report's "宋体" 9 pt, a size
// fixed by the contents, and centred on the screen when shown.
class FixedDialog : public QDialog
{
public:
    explicit FixedDialog(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
};

// Puts a setting's text into a field that takes at most `limit` characters
// from the user. A longer stored text (a size put through the interface,
// "12.3456789012") is shown whole, so that confirming the dialog does not cut
// a value the user never touched.
void setFieldText(QLineEdit *edit, const QString &text, int limit);

} // namespace cellvex
