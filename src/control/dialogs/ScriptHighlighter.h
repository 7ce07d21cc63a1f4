#pragma once

#include "control/dialogs/ScriptTokenizer.h"

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

namespace cellvex {

// Colours the script editor's text as the chosen language reads it:
// keywords, the control's commands, strings, comments and numbers.
class ScriptHighlighter : public QSyntaxHighlighter
{
public:
    ScriptHighlighter(QTextDocument *document, ScriptSyntax syntax);

    ScriptSyntax syntax() const { return m_syntax; }
    // Colours the whole text again when the language changes.
    void setSyntax(ScriptSyntax syntax);

    static QTextCharFormat formatOf(ScriptTokenRole role);

protected:
    void highlightBlock(const QString &text) override;

private:
    ScriptSyntax m_syntax;
};

} // namespace cellvex
