#include "ScriptTextEdit.h"

#include "control/dialogs/LineNumberArea.h"

#include <QPainter>
#include <QResizeEvent>
#include <QTextBlock>

#include <algorithm>

namespace cellvex {

namespace {

constexpr int kNumberPadding = 3; // pixels on each side of the widest number
constexpr int kTabColumns = 4;

} // namespace

ScriptTextEdit::ScriptTextEdit(QWidget *parent)
    : QPlainTextEdit(parent), m_lineNumbers(new LineNumberArea(this))
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(false);
    setTabStopDistance(fontMetrics().horizontalAdvance(QLatin1Char(' ')) * kTabColumns);
    connect(this, &QPlainTextEdit::blockCountChanged, this, [this] { placeLineNumberArea(); });
    connect(this, &QPlainTextEdit::updateRequest, this, &ScriptTextEdit::scrollLineNumbers);
    placeLineNumberArea();
}

int ScriptTextEdit::lineNumberAreaWidth() const
{
    int digits = 1;
    for (int lines = std::max(1, blockCount()); lines >= 10; lines /= 10)
        ++digits;
    return 2 * kNumberPadding + fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits;
}

void ScriptTextEdit::placeLineNumberArea()
{
    const int width = lineNumberAreaWidth();
    setViewportMargins(width, 0, 0, 0);
    const QRect inside = contentsRect();
    m_lineNumbers->setGeometry(QRect(inside.left(), inside.top(), width, viewport()->height()));
}

void ScriptTextEdit::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    placeLineNumberArea();
}

void ScriptTextEdit::changeEvent(QEvent *event)
{
    QPlainTextEdit::changeEvent(event);
    // Numbers and tabs are measured in the editor's font.
    if (event->type() == QEvent::FontChange) {
        setTabStopDistance(fontMetrics().horizontalAdvance(QLatin1Char(' ')) * kTabColumns);
        placeLineNumberArea();
    }
}

void ScriptTextEdit::scrollLineNumbers(const QRect &rect, int dy)
{
    if (dy)
        m_lineNumbers->scroll(0, dy);
    else
        m_lineNumbers->update(0, rect.y(), m_lineNumbers->width(), rect.height());
}

void ScriptTextEdit::paintLineNumbers(QWidget &area, const QRect &rect)
{
    QPainter painter(&area);
    painter.fillRect(rect, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::PlaceholderText));
    QTextBlock block = firstVisibleBlock();
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    const int lineHeight = fontMetrics().height();
    while (block.isValid() && top <= rect.bottom()) {
        const int bottom = top + qRound(blockBoundingRect(block).height());
        if (block.isVisible() && bottom >= rect.top())
            painter.drawText(0, top, area.width() - kNumberPadding, lineHeight, Qt::AlignRight,
                             QString::number(block.blockNumber() + 1));
        block = block.next();
        top = bottom;
    }
}

} // namespace cellvex
