#pragma once

#include <QString>

#include <vector>

namespace cellvex {

// The two languages the script editor colours; every language name that is
// not JavaScript is read as VBScript, the editor's first choice.
enum class ScriptSyntax { VbScript, JavaScript };
ScriptSyntax scriptSyntaxOf(const QString &language);

// What a stretch of a script line is, for colouring.
enum class ScriptTokenRole { Keyword, Command, String, Comment, Number };

struct ScriptToken
{
    int start = 0;
    int length = 0;
    ScriptTokenRole role = ScriptTokenRole::Keyword;
};

// Splits one line into the stretches worth colouring, left to right.
// `inComment` says whether the line starts inside a JavaScript block comment
// and comes back saying whether the next line does; VBScript has none.
// VBScript words are matched without regard to case, JavaScript's exactly.
std::vector<ScriptToken> scanScriptLine(const QString &line, ScriptSyntax syntax, bool &inComment);

} // namespace cellvex
