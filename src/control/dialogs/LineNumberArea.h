#pragma once

#include <QWidget>

namespace cellvex {

class ScriptTextEdit;

// The strip left of the script text that shows each line's number; the
// editor sizes it and paints into it.
class LineNumberArea : public QWidget
{
public:
    explicit LineNumberArea(ScriptTextEdit *editor);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ScriptTextEdit *m_editor;
};

} // namespace cellvex
