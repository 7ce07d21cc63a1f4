#pragma once

#include <QStringList>

class QWidget;

namespace cellvex {

// The desktop's input methods, as far as the session tells. An editor
// carries an input-method name; when it takes the focus the name is applied:
// an empty name leaves things as they are, the name of an installed input
// method turns input-method use on (and asks the session to switch to it),
// any other name - the control uses "关闭" - turns it off, leaving the plain
// keyboard.
class InputMethods
{
public:
    virtual ~InputMethods() = default;
    // Names of the installed input methods; empty where the session cannot tell.
    virtual QStringList installed() = 0;
    // Asks the session to switch to an installed input method.
    virtual void activate(const QString &name) = 0;

    void apply(QWidget *editor, const QString &name);
};

// The process's service: the desktop's unless replaced (tests); nullptr
// restores the desktop's.
InputMethods &inputMethods();
void setInputMethods(InputMethods *service);

} // namespace cellvex
