#include "ScriptHighlighter.h"

#include <QColor>
#include <QFont>

namespace cellvex {

namespace {

// A block's state says whether the next line starts inside a block comment.
constexpr int kPlain = 0;
constexpr int kInComment = 1;

} // namespace

ScriptHighlighter::ScriptHighlighter(QTextDocument *document, ScriptSyntax syntax)
    : QSyntaxHighlighter(document), m_syntax(syntax)
{
}

void ScriptHighlighter::setSyntax(ScriptSyntax syntax)
{
    if (syntax == m_syntax)
        return;
    m_syntax = syntax;
    rehighlight();
}

QTextCharFormat ScriptHighlighter::formatOf(ScriptTokenRole role)
{
    QTextCharFormat f;
    switch (role) {
    case ScriptTokenRole::Keyword:
        f.setForeground(QColor(0, 0, 160));
        f.setFontWeight(QFont::Bold);
        break;
    case ScriptTokenRole::Command:
        f.setForeground(QColor(128, 0, 128));
        f.setFontWeight(QFont::Bold);
        break;
    case ScriptTokenRole::String:
        f.setForeground(QColor(163, 21, 21));
        break;
    case ScriptTokenRole::Comment:
        f.setForeground(QColor(0, 128, 0));
        f.setFontItalic(true);
        break;
    case ScriptTokenRole::Number:
        f.setForeground(QColor(9, 134, 88));
        break;
    }
    return f;
}

void ScriptHighlighter::highlightBlock(const QString &text)
{
    bool inComment = previousBlockState() == kInComment;
    for (const ScriptToken &t : scanScriptLine(text, m_syntax, inComment))
        setFormat(t.start, t.length, formatOf(t.role));
    setCurrentBlockState(inComment ? kInComment : kPlain);
}

} // namespace cellvex
