#include "script/vbscript/Parser.h"

#include "script/vbscript/ScriptError.h"

// Select Case and the loops.
namespace cellvex::vbs {

StmtPtr Parser::parseSelect()
{
    const Token start = cur();
    next();
    expect(Kw::Case, 1021);
    auto s = node<SelectStmt>(start);
    s->subject = parseExpr();
    endStatement();
    skipSeparators();
    bool sawElse = false;
    while (accept(Kw::Case)) {
        if (sawElse) {
            fail(1022);
        }
        SelectStmt::Case c;
        if (accept(Kw::Else)) {
            sawElse = true;
        } else {
            for (;;) {
                c.values.push_back(parseExpr());
                if (cur().isOp(',')) {
                    next();
                    continue;
                }
                break;
            }
        }
        endStatement();
        c.body = parseBlock();
        s->cases.push_back(std::move(c));
    }
    if (!accept(Kw::End)) {
        fail(1014);
    }
    expect(Kw::Select, 1022);
    return s;
}

StmtPtr Parser::parseFor()
{
    const Token start = cur();
    next();
    if (accept(Kw::Each)) {
        auto s = node<ForEachStmt>(start);
        if (cur().kind != Tok::Ident) {
            fail(1010);
        }
        s->element.reset(makeIdent(cur()));
        next();
        expect(Kw::In, 1046);
        s->group = parseExpr();
        endStatement();
        ++m_forDepth;
        s->body = parseBlock();
        --m_forDepth;
        expect(Kw::Next, 1020);
        if (cur().kind == Tok::Ident) {
            next();
        }
        return s;
    }
    auto s = node<ForStmt>(start);
    if (cur().kind != Tok::Ident) {
        fail(1040);
    }
    s->counter.reset(makeIdent(cur()));
    next();
    expectOp('=', 1011);
    s->from = parseExpr();
    expect(Kw::To, 1013);
    s->to = parseExpr();
    if (cur().isWord("step")) {
        next();
        s->step = parseExpr();
    }
    endStatement();
    ++m_forDepth;
    s->body = parseBlock();
    --m_forDepth;
    expect(Kw::Next, 1020);
    if (cur().kind == Tok::Ident) {
        next();
    }
    return s;
}

StmtPtr Parser::parseDo()
{
    const Token start = cur();
    next();
    auto s = node<DoStmt>(start);
    if (cur().is(Kw::While) || cur().is(Kw::Until)) {
        s->until = cur().is(Kw::Until);
        next();
        s->condition = parseExpr();
    }
    endStatement();
    ++m_doDepth;
    s->body = parseBlock();
    --m_doDepth;
    expect(Kw::Loop, 1019);
    if (cur().is(Kw::While) || cur().is(Kw::Until)) {
        if (s->condition) {
            fail(1025);
        }
        s->until = cur().is(Kw::Until);
        s->testFirst = false;
        next();
        s->condition = parseExpr();
    } else if (!atStatementEnd()) {
        fail(1028);
    }
    return s;
}

StmtPtr Parser::parseWhile()
{
    const Token start = cur();
    next();
    auto s = node<DoStmt>(start);
    s->isWhileWend = true;
    s->condition = parseExpr();
    endStatement();
    s->body = parseBlock();
    expect(Kw::Wend, 1018);
    return s;
}

} // namespace cellvex::vbs
