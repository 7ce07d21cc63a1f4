#pragma once

#include "script/vbscript/Token.h"

#include <vector>

namespace cellvex::vbs {

// Splits source text into tokens; comments and line continuations vanish
// here. Throws a compile ScriptError (with line and column) on text that is
// no token.
class Lexer
{
public:
    static std::vector<Token> tokenize(const QString &source);

private:
    explicit Lexer(const QString &source) : m_src(source) {}
    void run();
    void number();
    void radixNumber();
    void string();
    void dateLiteral();
    void word();
    void bracketed();
    [[noreturn]] void fail(int number) const;
    void push(Tok kind, const QString &text = {});

    QChar at(qsizetype i) const { return i < m_src.size() ? m_src[i] : QChar(); }

    const QString &m_src;
    qsizetype m_pos = 0;
    int m_line = 1;
    qsizetype m_lineStart = 0;
    int m_tokLine = 1;
    int m_tokCol = 1;
    bool m_space = false;
    std::vector<Token> m_out;
};

} // namespace cellvex::vbs
