#include "script/vbscript/Lexer.h"

#include "script/vbscript/Convert.h"
#include "script/vbscript/DateMath.h"
#include "script/vbscript/ScriptError.h"

#include <QHash>

#include <utility>

#include <cmath>

namespace cellvex::vbs {

namespace {

const QHash<QString, Kw> &keywords()
{
    static const QHash<QString, Kw> table = {
        {"and", Kw::And},
        {"byref", Kw::ByRef},
        {"byval", Kw::ByVal},
        {"call", Kw::Call},
        {"case", Kw::Case},
        {"class", Kw::Class},
        {"const", Kw::Const},
        {"dim", Kw::Dim},
        {"do", Kw::Do},
        {"each", Kw::Each},
        {"else", Kw::Else},
        {"elseif", Kw::ElseIf},
        {"empty", Kw::Empty},
        {"end", Kw::End},
        {"eqv", Kw::Eqv},
        {"erase", Kw::Erase},
        {"exit", Kw::Exit},
        {"false", Kw::False},
        {"for", Kw::For},
        {"function", Kw::Function},
        {"if", Kw::If},
        {"imp", Kw::Imp},
        {"in", Kw::In},
        {"is", Kw::Is},
        {"loop", Kw::Loop},
        {"me", Kw::Me},
        {"mod", Kw::Mod},
        {"new", Kw::New},
        {"next", Kw::Next},
        {"not", Kw::Not},
        {"nothing", Kw::Nothing},
        {"null", Kw::Null},
        {"on", Kw::On},
        {"option", Kw::Option},
        {"or", Kw::Or},
        {"private", Kw::Private},
        {"property", Kw::Property},
        {"public", Kw::Public},
        {"redim", Kw::ReDim},
        {"select", Kw::Select},
        {"set", Kw::Set},
        {"sub", Kw::Sub},
        {"then", Kw::Then},
        {"to", Kw::To},
        {"true", Kw::True},
        {"until", Kw::Until},
        {"wend", Kw::Wend},
        {"while", Kw::While},
        {"with", Kw::With},
        {"xor", Kw::Xor},
    };
    return table;
}

bool isIdentChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

} // namespace

std::vector<Token> Lexer::tokenize(const QString &source)
{
    Lexer lx(source);
    lx.run();
    return std::move(lx.m_out);
}

void Lexer::fail(int number) const
{
    ScriptError e;
    e.number = number;
    e.description = errorDescription(number);
    e.line = m_tokLine;
    e.column = m_tokCol;
    e.located = true;
    e.compile = true;
    throw e;
}

void Lexer::push(Tok kind, const QString &text)
{
    Token t;
    t.kind = kind;
    t.text = text;
    t.line = m_tokLine;
    t.column = m_tokCol;
    t.spaceBefore = std::exchange(m_space, false);
    m_out.push_back(std::move(t));
}

void Lexer::run()
{
    const qsizetype n = m_src.size();
    while (m_pos < n) {
        QChar c = m_src[m_pos];
        m_tokLine = m_line;
        m_tokCol = int(m_pos - m_lineStart + 1);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && at(m_pos + 1) == QLatin1Char('\n')) {
                ++m_pos;
            }
            ++m_pos;
            push(Tok::Newline);
            ++m_line;
            m_lineStart = m_pos;
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QChar(0xA0) ||
                   c == QChar(0xFEFF)) {
            ++m_pos;
            m_space = true;
        } else if (c == QLatin1Char('\'')) {
            while (m_pos < n && m_src[m_pos] != QLatin1Char('\n') && m_src[m_pos] != QLatin1Char('\r')) {
                ++m_pos;
            }
        } else if (c == QLatin1Char('_') && !isIdentChar(at(m_pos + 1))) {
            // A line continuation: only blanks may follow it on the line.
            qsizetype p = m_pos + 1;
            while (p < n && (m_src[p] == QLatin1Char(' ') || m_src[p] == QLatin1Char('\t'))) {
                ++p;
            }
            if (p < n && m_src[p] != QLatin1Char('\r') && m_src[p] != QLatin1Char('\n')) {
                fail(1032);
            }
            if (p < n && m_src[p] == QLatin1Char('\r') && at(p + 1) == QLatin1Char('\n')) {
                ++p;
            }
            m_pos = p + 1;
            ++m_line;
            m_lineStart = m_pos;
            m_space = true;
        } else if (c == QLatin1Char(':')) {
            ++m_pos;
            push(Tok::Colon);
        } else if (c == QLatin1Char('"')) {
            string();
        } else if (c == QLatin1Char('#')) {
            dateLiteral();
        } else if (c == QLatin1Char('&') &&
                   (at(m_pos + 1).toLower() == QLatin1Char('h') ||
                    at(m_pos + 1).toLower() == QLatin1Char('o') || at(m_pos + 1).isDigit())) {
            radixNumber();
        } else if (c.isDigit() || (c == QLatin1Char('.') && at(m_pos + 1).isDigit() &&
                                   (m_out.empty() || m_out.back().kind != Tok::Ident))) {
            number();
        } else if (c.isLetter()) {
            word();
        } else if (c == QLatin1Char('[')) {
            bracketed();
        } else {
            static const QString twoChar[] = {QStringLiteral("<>"), QStringLiteral("<="),
                                              QStringLiteral(">="), QStringLiteral("=<"),
                                              QStringLiteral("=>")};
            QString two = m_src.mid(m_pos, 2);
            bool matched = false;
            for (const QString &op : twoChar) {
                if (two == op) {
                    QString norm = op == QLatin1String("=<")   ? QStringLiteral("<=")
                                   : op == QLatin1String("=>") ? QStringLiteral(">=")
                                                               : op;
                    push(Tok::Op, norm);
                    m_pos += 2;
                    matched = true;
                    break;
                }
            }
            if (matched) {
                continue;
            }
            static const QString single = QStringLiteral("+-*/\\^&=<>(),.");
            if (!single.contains(c)) {
                fail(1032);
            }
            push(Tok::Op, QString(c));
            ++m_pos;
        }
    }
    m_tokLine = m_line;
    m_tokCol = int(m_pos - m_lineStart + 1);
    push(Tok::Newline);
    push(Tok::End);
}

void Lexer::number()
{
    const qsizetype start = m_pos;
    bool real = false;
    while (at(m_pos).isDigit()) {
        ++m_pos;
    }
    if (at(m_pos) == QLatin1Char('.') && at(m_pos + 1).isDigit()) {
        real = true;
        ++m_pos;
        while (at(m_pos).isDigit()) {
            ++m_pos;
        }
    } else if (at(m_pos) == QLatin1Char('.') && !isIdentChar(at(m_pos + 1))) {
        real = true;
        ++m_pos;
    }
    QChar e = at(m_pos).toLower();
    if (e == QLatin1Char('e') && (at(m_pos + 1).isDigit() ||
                                  ((at(m_pos + 1) == QLatin1Char('+') || at(m_pos + 1) == QLatin1Char('-')) &&
                                   at(m_pos + 2).isDigit()))) {
        real = true;
        m_pos += 2;
        while (at(m_pos).isDigit()) {
            ++m_pos;
        }
    }
    if (isIdentChar(at(m_pos))) {
        fail(1031);
    }
    QString text = m_src.mid(start, m_pos - start);
    Token t;
    t.kind = Tok::Literal;
    t.text = text;
    t.line = m_tokLine;
    t.column = m_tokCol;
    bool ok = false;
    if (!real && text.size() <= 18) {
        qint64 v = text.toLongLong(&ok);
        if (ok) {
            t.literal = conv::fromInteger(v);
        }
    }
    if (!ok) {
        double d = text.toDouble(&ok);
        if (!ok || !std::isfinite(d)) {
            fail(1031);
        }
        t.literal = Value::real(d);
    }
    t.spaceBefore = std::exchange(m_space, false);
    m_out.push_back(std::move(t));
}

void Lexer::radixNumber()
{
    ++m_pos; // '&'
    int radix = 8;
    QChar k = at(m_pos).toLower();
    if (k == QLatin1Char('h')) {
        radix = 16;
        ++m_pos;
    } else if (k == QLatin1Char('o')) {
        ++m_pos;
    }
    std::uint64_t v = 0;
    int digits = 0;
    for (;;) {
        QChar c = at(m_pos).toLower();
        int d = c.isDigit() ? c.digitValue()
                            : (c >= QLatin1Char('a') && c <= QLatin1Char('f') ? c.unicode() - 'a' + 10 : -1);
        if (d < 0 || d >= radix) {
            break;
        }
        v = v * radix + d;
        if (v > 0xFFFFFFFFull) {
            fail(1031);
        }
        ++digits;
        ++m_pos;
    }
    if (digits == 0) {
        fail(1031);
    }
    bool forceLong = false;
    if (at(m_pos) == QLatin1Char('&')) {
        forceLong = true;
        ++m_pos;
    }
    if (isIdentChar(at(m_pos))) {
        fail(1031);
    }
    Token t;
    t.kind = Tok::Literal;
    t.line = m_tokLine;
    t.column = m_tokCol;
    if (!forceLong && v <= 0xFFFF) {
        t.literal = Value::integer(std::int16_t(std::uint16_t(v)));
    } else {
        t.literal = Value::longValue(std::int32_t(std::uint32_t(v)));
    }
    t.spaceBefore = std::exchange(m_space, false);
    m_out.push_back(std::move(t));
}

void Lexer::string()
{
    ++m_pos;
    QString text;
    for (;;) {
        if (m_pos >= m_src.size() || m_src[m_pos] == QLatin1Char('\n') || m_src[m_pos] == QLatin1Char('\r')) {
            fail(1033);
        }
        QChar c = m_src[m_pos++];
        if (c == QLatin1Char('"')) {
            if (at(m_pos) == QLatin1Char('"')) {
                text += c;
                ++m_pos;
                continue;
            }
            break;
        }
        text += c;
    }
    Token t;
    t.kind = Tok::Literal;
    t.line = m_tokLine;
    t.column = m_tokCol;
    t.literal = Value::string(text);
    t.spaceBefore = std::exchange(m_space, false);
    m_out.push_back(std::move(t));
}

void Lexer::dateLiteral()
{
    qsizetype end = m_src.indexOf(QLatin1Char('#'), m_pos + 1);
    qsizetype nl = m_src.indexOf(QLatin1Char('\n'), m_pos + 1);
    if (end < 0 || (nl >= 0 && nl < end)) {
        fail(1032);
    }
    double serial = 0;
    if (!date::parse(m_src.mid(m_pos + 1, end - m_pos - 1), serial)) {
        fail(1002);
    }
    m_pos = end + 1;
    Token t;
    t.kind = Tok::Literal;
    t.line = m_tokLine;
    t.column = m_tokCol;
    t.literal = Value::date(serial);
    t.spaceBefore = std::exchange(m_space, false);
    m_out.push_back(std::move(t));
}

void Lexer::word()
{
    const qsizetype start = m_pos;
    while (isIdentChar(at(m_pos))) {
        ++m_pos;
    }
    QString text = m_src.mid(start, m_pos - start);
    if (text.size() > 255) {
        fail(1030);
    }
    QString key = text.toLower();
    bool afterDot = !m_out.empty() && m_out.back().isOp('.');
    if (key == QLatin1String("rem") && !afterDot) {
        while (m_pos < m_src.size() && m_src[m_pos] != QLatin1Char('\n') &&
               m_src[m_pos] != QLatin1Char('\r')) {
            ++m_pos;
        }
        return;
    }
    auto it = keywords().find(key);
    if (it != keywords().end() && !afterDot) {
        push(Tok::Keyword, text);
        m_out.back().kw = *it;
        return;
    }
    push(Tok::Ident, text);
}

void Lexer::bracketed()
{
    qsizetype end = m_pos + 1;
    while (end < m_src.size() && m_src[end] != QLatin1Char(']') && m_src[end] != QLatin1Char('\n')) {
        ++end;
    }
    if (end >= m_src.size() || m_src[end] != QLatin1Char(']')) {
        fail(1032);
    }
    QString text = m_src.mid(m_pos + 1, end - m_pos - 1);
    if (text.size() > 255) {
        fail(1030);
    }
    m_pos = end + 1;
    push(Tok::Ident, text);
}

} // namespace cellvex::vbs
