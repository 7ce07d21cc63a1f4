#pragma once

#include "HostError.h"
#include "HostPrompts.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

class QCheckBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace cellvex::demo {

// The host's dialogs are laid out at fixed positions in a client area of a
// fixed size, in the host's font ("宋体", 12 pixels). These helpers create the
// widgets with the object names the host's tests look them up by.

// Caption, font, the title bar with the system menu only, and the client size
// (fixed unless resizable).
void setUpHostDialog(QDialog *dialog, const QString &caption, QSize client, bool resizable = false);
// Centres the window on the screen it is on (or the primary screen).
void centreOnScreen(QWidget *window);

QLabel *addLabel(QWidget *parent, const QString &text, QRect geometry, const QString &name = QString());
QLineEdit *addEdit(QWidget *parent, const QString &name, QRect geometry, const QString &text = QString());
QPushButton *addButton(QWidget *parent, const QString &name, const QString &text, QRect geometry);
QRadioButton *addRadio(QWidget *parent, const QString &name, const QString &text, QRect geometry);
QCheckBox *addCheck(QWidget *parent, const QString &name, const QString &text, QRect geometry);
QGroupBox *addGroup(QWidget *parent, const QString &name, const QString &title, QRect geometry);

// A text cut into lines at CR LF, CR or LF. A final line break ends the last
// line rather than starting an empty one; an empty text has no lines.
QStringList textLines(const QString &text);
// Memo text as the control takes it: lines joined by CR LF.
QString crlfText(const QString &plainText);
// Control text with CR LF for a plain-text editor, which wants LF.
QString lfText(const QString &controlText);

// Runs a button's action. A failed member call or a field that is not a
// number stops it there and shows the error; the calls made before stay.
template <class F> void runAction(QWidget *parent, HostPrompts &prompts, F &&action)
{
    try {
        action();
    } catch (const HostError &error) {
        prompts.showError(parent, error.text());
    }
}

} // namespace cellvex::demo
