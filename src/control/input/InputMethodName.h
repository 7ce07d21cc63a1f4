#pragma once

#include <QString>
#include <QVariant>
#include <QWidget>

namespace cellvex {

// The input-method name an editor carries; the control applies it through
// the platform's input methods (platform/InputMethods.h) whenever the editor
// takes the focus. "关闭" switches input-method use off.
inline const QString kInputMethodOff = QStringLiteral("关闭");
inline constexpr char kInputMethodNameProperty[] = "cellvexImeName";

inline void setInputMethodName(QWidget *editor, const QString &name)
{
    editor->setProperty(kInputMethodNameProperty, name);
}

inline QString inputMethodName(const QWidget *editor)
{
    return editor->property(kInputMethodNameProperty).toString();
}

} // namespace cellvex
