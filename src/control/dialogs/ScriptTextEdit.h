#pragma once

#include <QPlainTextEdit>

namespace cellvex {

class LineNumberArea;

// The script editor's text: plain text without word wrap, both scroll bars,
// Tab typed as a tab, and the line numbers in a strip on the left that
// widens as the count of lines gains digits.
class ScriptTextEdit : public QPlainTextEdit
{
public:
    explicit ScriptTextEdit(QWidget *parent = nullptr);

    int lineNumberAreaWidth() const;
    LineNumberArea *lineNumberArea() const { return m_lineNumbers; }
    // Paints the numbers of the visible lines inside `rect` of the strip.
    void paintLineNumbers(QWidget &area, const QRect &rect);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Makes room for the strip and places it beside the text.
    void placeLineNumberArea();
    void scrollLineNumbers(const QRect &rect, int dy);

    LineNumberArea *m_lineNumbers;
};

} // namespace cellvex
