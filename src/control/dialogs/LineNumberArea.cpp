#include "LineNumberArea.h"

#include "control/dialogs/ScriptTextEdit.h"

#include <QPaintEvent>

namespace cellvex {

LineNumberArea::LineNumberArea(ScriptTextEdit *editor) : QWidget(editor), m_editor(editor)
{
    setObjectName(QStringLiteral("lineNumbers"));
}

QSize LineNumberArea::sizeHint() const
{
    return QSize(m_editor->lineNumberAreaWidth(), 0);
}

void LineNumberArea::paintEvent(QPaintEvent *event)
{
    m_editor->paintLineNumbers(*this, event->rect());
}

} // namespace cellvex
