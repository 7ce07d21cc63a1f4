#include "script/vbscript/Parser.h"

#include "script/vbscript/Lexer.h"
#include "script/vbscript/ScriptError.h"

namespace cellvex::vbs {

Parser::Parser(std::vector<Token> tokens, bool dynamicScope)
    : m_toks(std::move(tokens)), m_dynamic(dynamicScope), m_unit(std::make_unique<Unit>())
{
}

std::unique_ptr<Unit> Parser::parseProgram(const QString &source, bool dynamicScope)
{
    Parser p(Lexer::tokenize(source), dynamicScope);
    p.parseTopLevel();
    return std::move(p.m_unit);
}

std::unique_ptr<Unit> Parser::parseExpression(const QString &source, bool dynamicScope)
{
    Parser p(Lexer::tokenize(source), dynamicScope);
    p.skipSeparators();
    p.m_unit->expression = p.parseExpr();
    p.skipSeparators();
    if (p.cur().kind != Tok::End) {
        p.fail(1025);
    }
    return std::move(p.m_unit);
}

const Token &Parser::peek(int k) const
{
    std::size_t i = std::min(m_pos + std::size_t(k), m_toks.size() - 1);
    return m_toks[i];
}

void Parser::next()
{
    if (m_pos + 1 < m_toks.size()) {
        ++m_pos;
    }
}

bool Parser::accept(Kw k)
{
    if (cur().is(k)) {
        next();
        return true;
    }
    return false;
}

void Parser::expect(Kw k, int error)
{
    if (!accept(k)) {
        fail(error);
    }
}

void Parser::expectOp(char c, int error)
{
    if (!cur().isOp(c)) {
        fail(error);
    }
    next();
}

void Parser::fail(int error) const
{
    failAt(cur(), error);
}

void Parser::failAt(const Token &t, int error) const
{
    ScriptError e;
    e.number = error;
    e.description = errorDescription(error);
    e.line = t.line;
    e.column = t.column;
    e.located = true;
    e.compile = true;
    throw e;
}

bool Parser::atStatementEnd() const
{
    return cur().endsStatement() || (m_singleLineIf > 0 && cur().is(Kw::Else));
}

void Parser::skipSeparators()
{
    while (cur().kind == Tok::Newline || cur().kind == Tok::Colon) {
        next();
    }
}

void Parser::endStatement()
{
    if (!atStatementEnd()) {
        fail(1025);
    }
}

QString Parser::identifier(int error)
{
    if (cur().kind != Tok::Ident) {
        fail(error);
    }
    QString text = cur().text;
    next();
    return text;
}

IdentExpr *Parser::makeIdent(const Token &t)
{
    auto *id = new IdentExpr;
    id->line = t.line;
    id->column = t.column;
    id->name = Name::of(t.text);
    id->res.kind = (m_dynamic && !m_proc) ? Resolution::Dynamic : Resolution::Unbound;
    if (m_proc) {
        m_procIdents.push_back(id);
    }
    return id;
}

void Parser::enter()
{
    if (++m_depth > kMaxNesting) {
        fail(err::OutOfStack);
    }
}

void Parser::countNode()
{
    if (++m_nodes > kMaxNodesPerStatement) {
        fail(err::OutOfStack);
    }
}

bool Parser::atBlockEnd() const
{
    const Token &t = cur();
    if (t.kind == Tok::End) {
        return true;
    }
    if (t.kind != Tok::Keyword) {
        return false;
    }
    switch (t.kw) {
    case Kw::End:
    case Kw::Else:
    case Kw::ElseIf:
    case Kw::Next:
    case Kw::Loop:
    case Kw::Wend:
    case Kw::Case:
        return true;
    default:
        return false;
    }
}

Block Parser::parseBlock()
{
    enter();
    Block b;
    for (;;) {
        skipSeparators();
        if (atBlockEnd()) {
            break;
        }
        b.push_back(parseStatement());
        endStatement();
    }
    leave();
    return b;
}

void Parser::parseTopLevel()
{
    for (;;) {
        skipSeparators();
        const Token &t = cur();
        if (t.kind == Tok::End) {
            return;
        }
        bool isPublic = true;
        bool isDefault = false;
        bool hadScope = false;
        if (t.is(Kw::Public) || t.is(Kw::Private)) {
            const Token &n = peek();
            if (n.is(Kw::Sub) || n.is(Kw::Function) || n.is(Kw::Property) || n.is(Kw::Class) ||
                n.isWord("default")) {
                isPublic = t.is(Kw::Public);
                hadScope = true;
                next();
            }
        }
        if (cur().isWord("default")) {
            if (!hadScope) {
                fail(1024);
            }
            fail(1048);
        }
        if (cur().is(Kw::Sub)) {
            next();
            parseProc(ProcDef::Sub, isPublic, isDefault);
        } else if (cur().is(Kw::Function)) {
            next();
            parseProc(ProcDef::Function, isPublic, isDefault);
        } else if (cur().is(Kw::Property)) {
            fail(1048);
        } else if (cur().is(Kw::Class)) {
            next();
            parseClass();
        } else if (cur().is(Kw::Option)) {
            next();
            if (!cur().isWord("explicit")) {
                fail(1002);
            }
            next();
            m_unit->optionExplicit = true;
        } else if (cur().is(Kw::Next)) {
            fail(1055);
        } else if (cur().is(Kw::Loop)) {
            fail(1038);
        } else if (atBlockEnd()) {
            fail(1002);
        } else {
            m_unit->statements.push_back(parseStatement());
        }
        endStatement();
    }
}

} // namespace cellvex::vbs
