#include "ScriptTokenizer.h"

#include <QSet>

namespace cellvex {

namespace {

const QSet<QString> &javaScriptKeywords()
{
    static const QSet<QString> words{
        "break",     "case",  "catch",  "class",  "const",      "continue", "debugger", "default",
        "delete",    "do",    "else",   "export", "extends",    "false",    "finally",  "for",
        "function",  "if",    "import", "in",     "instanceof", "let",      "new",      "null",
        "return",    "super", "switch", "this",   "throw",      "true",     "try",      "typeof",
        "undefined", "var",   "void",   "while",  "with",       "yield"};
    return words;
}

// Lower case: VBScript words are compared after folding the case.
const QSet<QString> &vbScriptKeywords()
{
    static const QSet<QString> words{
        "and",   "as",       "byref",  "byval",  "call",     "case",    "class",    "const",  "dim",
        "do",    "each",     "else",   "elseif", "empty",    "end",     "eqv",      "erase",  "error",
        "exit",  "explicit", "false",  "for",    "function", "get",     "goto",     "if",     "imp",
        "in",    "is",       "let",    "loop",   "mod",      "new",     "next",     "not",    "nothing",
        "null",  "on",       "option", "or",     "preserve", "private", "property", "public", "randomize",
        "redim", "resume",   "select", "set",    "step",     "stop",    "sub",      "then",   "to",
        "true",  "until",    "wend",   "while",  "with",     "xor"};
    return words;
}

// The control's own commands, rewritten before the engine sees the script;
// scripts run in lower case, so they are found in any case in both languages.
const QSet<QString> &controlCommands()
{
    static const QSet<QString> words{"setcell", "getcell", "executebutton", "getcol",
                                     "getrow",  "getcoux", "getcouy"};
    return words;
}

bool startsIdentifier(QChar c, ScriptSyntax syntax)
{
    return c.isLetter() || c == u'_' || (syntax == ScriptSyntax::JavaScript && c == u'$');
}

bool continuesIdentifier(QChar c, ScriptSyntax syntax)
{
    return startsIdentifier(c, syntax) || c.isDigit();
}

// A number starting at `start` runs over digits, letters (hex digits,
// exponents, suffixes) and points from `i` on; a sign right after the "e" of
// a decimal number's exponent belongs to it.
int numberEnd(const QString &line, int start, int i)
{
    const int n = int(line.size());
    const bool hex = QStringView(line).mid(start, 2).compare(QLatin1String("0x"), Qt::CaseInsensitive) == 0;
    while (i < n) {
        const QChar c = line.at(i);
        const QChar before = line.at(i - 1);
        if (c.isLetterOrNumber() || c == u'.' || c == u'_')
            ++i;
        else if ((c == u'+' || c == u'-') && !hex && (before == u'e' || before == u'E'))
            ++i;
        else
            break;
    }
    return i;
}

// The end of a string opened at `i` by `quote`: JavaScript escapes with a
// backslash, VBScript doubles the quote. An open string ends with the line.
int stringEnd(const QString &line, int i, QChar quote, ScriptSyntax syntax)
{
    const int n = int(line.size());
    for (++i; i < n; ++i) {
        const QChar c = line.at(i);
        if (syntax == ScriptSyntax::JavaScript && c == u'\\') {
            ++i;
        } else if (c == quote) {
            if (syntax == ScriptSyntax::VbScript && i + 1 < n && line.at(i + 1) == quote)
                ++i;
            else
                return i + 1;
        }
    }
    return n;
}

} // namespace

ScriptSyntax scriptSyntaxOf(const QString &language)
{
    const QString l = language.trimmed().toLower();
    return l == QLatin1String("javascript") || l == QLatin1String("jscript") ? ScriptSyntax::JavaScript
                                                                             : ScriptSyntax::VbScript;
}

std::vector<ScriptToken> scanScriptLine(const QString &line, ScriptSyntax syntax, bool &inComment)
{
    std::vector<ScriptToken> tokens;
    const bool js = syntax == ScriptSyntax::JavaScript;
    const int n = int(line.size());
    int i = 0;
    auto add = [&](int start, int end, ScriptTokenRole role) {
        tokens.push_back({start, end - start, role});
    };
    if (!js)
        inComment = false;
    if (inComment) {
        const int close = int(line.indexOf(QLatin1String("*/")));
        if (close < 0) {
            add(0, n, ScriptTokenRole::Comment);
            return tokens;
        }
        inComment = false;
        i = close + 2;
        add(0, i, ScriptTokenRole::Comment);
    }
    while (i < n) {
        const QChar c = line.at(i);
        const QChar next = i + 1 < n ? line.at(i + 1) : QChar();
        if ((js && c == u'/' && next == u'/') || (!js && c == u'\'')) {
            add(i, n, ScriptTokenRole::Comment);
            break;
        }
        if (js && c == u'/' && next == u'*') {
            const int close = int(line.indexOf(QLatin1String("*/"), i + 2));
            const int end = close < 0 ? n : close + 2;
            inComment = close < 0;
            add(i, end, ScriptTokenRole::Comment);
            i = end;
            continue;
        }
        if (c == u'"' || (js && (c == u'\'' || c == u'`'))) {
            const int end = stringEnd(line, i, c, syntax);
            add(i, end, ScriptTokenRole::String);
            i = end;
            continue;
        }
        const bool vbsRadix =
            !js && c == u'&' && (next == u'h' || next == u'H' || next == u'o' || next == u'O');
        if (c.isDigit() || vbsRadix || (c == u'.' && next.isDigit())) {
            const int end = numberEnd(line, i, i + (vbsRadix ? 2 : 1));
            add(i, end, ScriptTokenRole::Number);
            i = end;
            continue;
        }
        if (startsIdentifier(c, syntax)) {
            int end = i + 1;
            while (end < n && continuesIdentifier(line.at(end), syntax))
                ++end;
            const QString word = line.mid(i, end - i);
            const QString folded = word.toLower();
            if (!js && folded == QLatin1String("rem")) {
                add(i, n, ScriptTokenRole::Comment);
                break;
            }
            if (controlCommands().contains(folded))
                add(i, end, ScriptTokenRole::Command);
            else if (js ? javaScriptKeywords().contains(word) : vbScriptKeywords().contains(folded))
                add(i, end, ScriptTokenRole::Keyword);
            i = end;
            continue;
        }
        ++i;
    }
    return tokens;
}

} // namespace cellvex
