#pragma once

#include <QDialog>

class QHBoxLayout;
class QLineEdit;
class QPushButton;

namespace cellvex {

// The look the control's fixed dialogs share: the report's "宋体" 9 pt, a
// size fixed by the contents (or set by the dialog), and centred on the
// screen when shown.
class FixedDialog : public QDialog
{
public:
    explicit FixedDialog(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

    // "确定", the default button, and "取消", which rejects the dialog, at the
    // right end of a row; the dialog connects "确定" to its own confirmation.
    struct ConfirmButtons
    {
        QPushButton *ok;
        QHBoxLayout *row;
    };
    ConfirmButtons confirmButtons();
};

// Gives a widget its object name where it is built and hands it back.
template <typename W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// Puts a setting's text into a field that takes at most `limit` characters
// from the user. A longer stored text (a size put through the interface,
// "12.3456789012") is shown whole, so that confirming the dialog does not cut
// a value the user never touched.
void setFieldText(QLineEdit *edit, const QString &text, int limit);

} // namespace cellvex
