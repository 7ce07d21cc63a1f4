#pragma once

#include <QString>
#include <QVariant>
#include <QWidget>

namespace cellvex {

// The input-method name an editor carries. The platform applies it when the
// editor takes the focus: an empty name leaves the active input method alone,
// the name of an installed one activates it, any other name (the control uses
// "关闭") switches to the plain keyboard layout. Switching input methods is a
// service of the desktop session that Qt does not expose, so here the name is
// only kept on the editor, where the focus dance of the in-place editor leaves it.
inline const QString kInputMethodOff = QStringLiteral("关闭");

inline void setInputMethodName(QWidget *editor, const QString &name)
{
    editor->setProperty("cellvexImeName", name);
}

inline QString inputMethodName(const QWidget *editor)
{
    return editor->property("cellvexImeName").toString();
}

} // namespace cellvex
