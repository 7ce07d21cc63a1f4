#pragma once

#include "script/vbscript/Value.h"

namespace cellvex::vbs {

enum class Tok : std::uint8_t {
    End,
    Newline, // a line end or ':' (Colon keeps its own kind for single-line If)
    Colon,
    Ident,
    Keyword,
    Literal,
    Op, // punctuation and operators, in text
};

// Reserved words. Words that are reserved only in one position (Error,
// Explicit, Resume, Get, Let, Default, Preserve, Step) stay identifiers and
// the parser reads them by text.
enum class Kw : std::uint8_t {
    None,
    And,
    ByRef,
    ByVal,
    Call,
    Case,
    Class,
    Const,
    Dim,
    Do,
    Each,
    Else,
    ElseIf,
    Empty,
    End,
    Eqv,
    Erase,
    Exit,
    False,
    For,
    Function,
    If,
    Imp,
    In,
    Is,
    Loop,
    Me,
    Mod,
    New,
    Next,
    Not,
    Nothing,
    Null,
    On,
    Option,
    Or,
    Private,
    Property,
    Public,
    ReDim,
    Select,
    Set,
    Sub,
    Then,
    To,
    True,
    Until,
    Wend,
    While,
    With,
    Xor,
};

struct Token
{
    Tok kind = Tok::End;
    Kw kw = Kw::None;
    QString text; // identifier as written, operator text, keyword as written
    Value literal;
    int line = 1;
    int column = 1;
    bool spaceBefore = false; // blanks separate it from the previous token

    bool isOp(char c) const { return kind == Tok::Op && text.size() == 1 && text[0] == QLatin1Char(c); }
    bool isOp(const char *s) const { return kind == Tok::Op && text == QLatin1String(s); }
    bool is(Kw k) const { return kind == Tok::Keyword && kw == k; }
    bool isWord(const char *w) const
    {
        return kind == Tok::Ident && text.compare(QLatin1String(w), Qt::CaseInsensitive) == 0;
    }
    bool endsStatement() const { return kind == Tok::End || kind == Tok::Newline || kind == Tok::Colon; }
};

} // namespace cellvex::vbs
