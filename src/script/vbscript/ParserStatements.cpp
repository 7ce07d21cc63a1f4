#include "script/vbscript/Parser.h"

#include "script/vbscript/ScriptError.h"

namespace cellvex::vbs {

StmtPtr Parser::parseStatement()
{
    m_nodes = 0;
    const Token &t = cur();
    if (t.kind == Tok::Keyword) {
        switch (t.kw) {
        case Kw::Dim:
            return parseDim(false);
        case Kw::Public:
        case Kw::Private:
            if (peek().is(Kw::Const)) {
                next();
                return parseConst();
            }
            if (m_proc) {
                fail(1024);
            }
            return parseDim(false);
        case Kw::Const:
            return parseConst();
        case Kw::ReDim:
            return parseReDim();
        case Kw::If:
            return parseIf();
        case Kw::Select:
            return parseSelect();
        case Kw::For:
            return parseFor();
        case Kw::Do:
            return parseDo();
        case Kw::While:
            return parseWhile();
        case Kw::Exit:
            return parseExit();
        case Kw::On:
            return parseOnError();
        case Kw::With:
            return parseWith();
        case Kw::Set:
            return parseSet();
        case Kw::Call:
            return parseCall();
        case Kw::Erase:
            return parseErase();
        case Kw::Me:
            return parseSimple();
        case Kw::Sub:
        case Kw::Function:
        case Kw::Class:
        case Kw::Property:
        case Kw::Option:
            fail(1024);
        case Kw::Next:
            fail(1055);
        case Kw::Loop:
            fail(1038);
        default:
            fail(1024);
        }
    }
    if (t.kind == Tok::Ident) {
        if (t.isWord("stop") && peek().endsStatement()) {
            // A breakpoint for a debugger; without one it does nothing.
            auto s = node<DimStmt>(t);
            next();
            return s;
        }
        return parseSimple();
    }
    if (t.isOp('.')) {
        return parseSimple();
    }
    fail(1024);
}

StmtPtr Parser::parseSimple()
{
    const Token start = cur();
    ExprPtr target;
    if (start.is(Kw::Me)) {
        if (!m_class && !m_dynamic) {
            fail(1037);
        }
        next();
        target = node<MeExpr>(start);
    } else if (start.isOp('.')) {
        next();
        if (cur().kind != Tok::Ident && cur().kind != Tok::Keyword) {
            fail(1010);
        }
        auto m = node<MemberExpr>(start);
        m->name = Name::of(cur().text);
        next();
        target = std::move(m);
    } else {
        next();
        target.reset(makeIdent(start));
    }
    // The postfix chain, remembering where the last argument list began: in
    // "Foo (1) + 2, 3" that list turns out to open the first argument.
    std::size_t lastParen = std::size_t(-1);
    std::size_t identsAtParen = 0;
    for (;;) {
        // "Echo .Count" inside With: a blank before the dot starts an argument.
        if (cur().isOp('.') && cur().spaceBefore) {
            break;
        }
        if (cur().isOp('.')) {
            countNode();
            const Token t = cur();
            next();
            if (cur().kind != Tok::Ident && cur().kind != Tok::Keyword) {
                fail(1010);
            }
            auto m = node<MemberExpr>(t);
            m->object = std::move(target);
            m->name = Name::of(cur().text);
            next();
            target = std::move(m);
            lastParen = std::size_t(-1);
        } else if (cur().isOp('(')) {
            countNode();
            std::size_t save = m_pos;
            std::size_t idents = m_procIdents.size();
            enter();
            auto c = node<CallExpr>(cur());
            next();
            c->callee = std::move(target);
            c->args = parseArgs();
            leave();
            target = std::move(c);
            lastParen = save;
            identsAtParen = idents;
        } else {
            break;
        }
    }
    if (cur().isOp('=')) {
        if (dynamic_cast<MeExpr *>(target.get())) {
            fail(1037);
        }
        auto a = node<AssignStmt>(start);
        next();
        a->target = std::move(target);
        a->value = parseExpr();
        return a;
    }
    auto stmt = node<CallStmt>(start);
    if (atStatementEnd()) {
        if (lastParen != std::size_t(-1)) {
            auto *call = static_cast<CallExpr *>(target.get());
            if (call->args.size() > 1) {
                fail(1044);
            }
            // A single parenthesised argument is an expression: passed by value.
            if (call->args.size() == 1) {
                auto p = std::make_unique<ParenExpr>();
                p->line = call->line;
                p->column = call->column;
                p->inner = std::move(call->args[0]);
                call->args[0] = std::move(p);
            }
        }
        stmt->call = std::move(target);
        return stmt;
    }
    if (lastParen != std::size_t(-1)) {
        // Parse that list again as arguments; the names bound in the first
        // reading go with the nodes about to be dropped.
        m_pos = lastParen;
        m_procIdents.resize(identsAtParen);
        target = std::move(static_cast<CallExpr *>(target.get())->callee);
    }
    auto call = node<CallExpr>(start);
    call->callee = std::move(target);
    for (;;) {
        call->args.push_back(parseExpr());
        if (cur().isOp(',')) {
            next();
            continue;
        }
        break;
    }
    stmt->call = std::move(call);
    return stmt;
}

StmtPtr Parser::parseCall()
{
    const Token start = cur();
    next();
    if (cur().kind != Tok::Ident && !cur().is(Kw::Me) && !cur().isOp('.')) {
        fail(1010);
    }
    ExprPtr target;
    if (cur().is(Kw::Me)) {
        target = node<MeExpr>(cur());
        next();
    } else if (cur().isOp('.')) {
        target = parsePrimary();
    } else {
        target.reset(makeIdent(cur()));
        next();
    }
    target = parsePostfix(std::move(target));
    auto stmt = node<CallStmt>(start);
    stmt->call = std::move(target);
    return stmt;
}

StmtPtr Parser::parseSet()
{
    const Token start = cur();
    next();
    if (cur().kind != Tok::Ident && !cur().isOp('.') && !cur().is(Kw::Me)) {
        fail(1010);
    }
    ExprPtr target = parsePostfix(parsePrimary());
    if (dynamic_cast<MeExpr *>(target.get())) {
        fail(1037);
    }
    expectOp('=', 1011);
    auto a = node<AssignStmt>(start);
    a->isSet = true;
    a->target = std::move(target);
    a->value = parseExpr();
    return a;
}

StmtPtr Parser::parseIf()
{
    const Token start = cur();
    next();
    auto s = node<IfStmt>(start);
    ExprPtr cond = parseExpr();
    expect(Kw::Then, 1017);
    if (cur().kind != Tok::Newline) {
        // Single-line form: statements up to the line end, an optional Else.
        if (cur().kind == Tok::Colon) {
            skipSeparators();
        }
        ++m_singleLineIf;
        Block body = parseSingleLineStatements();
        s->branches.emplace_back(std::move(cond), std::move(body));
        if (accept(Kw::Else)) {
            s->elseBlock = parseSingleLineStatements();
        }
        --m_singleLineIf;
        if (cur().is(Kw::End) && peek().is(Kw::If)) {
            next();
            next();
        }
        return s;
    }
    int saved = m_singleLineIf;
    m_singleLineIf = 0;
    s->branches.emplace_back(std::move(cond), parseBlock());
    for (;;) {
        if (accept(Kw::ElseIf)) {
            ExprPtr c = parseExpr();
            expect(Kw::Then, 1017);
            s->branches.emplace_back(std::move(c), parseBlock());
        } else if (accept(Kw::Else)) {
            s->elseBlock = parseBlock();
            break;
        } else {
            break;
        }
    }
    if (!accept(Kw::End)) {
        fail(1014);
    }
    expect(Kw::If, 1012);
    m_singleLineIf = saved;
    return s;
}

Block Parser::parseSingleLineStatements()
{
    Block b;
    enter();
    for (;;) {
        if (cur().kind == Tok::Newline || cur().kind == Tok::End || cur().is(Kw::Else) ||
            (cur().is(Kw::End) && peek().is(Kw::If))) {
            break;
        }
        b.push_back(parseStatement());
        if (cur().kind == Tok::Colon) {
            while (cur().kind == Tok::Colon) {
                next();
            }
            continue;
        }
        if (!atStatementEnd() && !(cur().is(Kw::End) && peek().is(Kw::If))) {
            fail(1025);
        }
    }
    leave();
    return b;
}

StmtPtr Parser::parseExit()
{
    const Token start = cur();
    next();
    auto s = node<ExitStmt>(start);
    if (accept(Kw::For)) {
        if (m_forDepth == 0) {
            failAt(start, 1039);
        }
        s->flow = Flow::ExitFor;
    } else if (accept(Kw::Do)) {
        if (m_doDepth == 0) {
            failAt(start, 1039);
        }
        s->flow = Flow::ExitDo;
    } else if (cur().is(Kw::Sub) || cur().is(Kw::Function) || cur().is(Kw::Property)) {
        ProcDef::Kind k = m_proc ? m_proc->kind : ProcDef::Sub;
        bool ok = m_proc && ((cur().is(Kw::Sub) && k == ProcDef::Sub) ||
                             (cur().is(Kw::Function) && k == ProcDef::Function) ||
                             (cur().is(Kw::Property) && k >= ProcDef::PropertyGet));
        if (!ok) {
            failAt(start, 1039);
        }
        next();
        s->flow = Flow::ExitProc;
    } else {
        failAt(start, 1039);
    }
    return s;
}

StmtPtr Parser::parseOnError()
{
    const Token start = cur();
    next();
    if (!cur().isWord("error")) {
        fail(1002);
    }
    next();
    auto s = node<OnErrorStmt>(start);
    if (cur().isWord("resume")) {
        next();
        expect(Kw::Next, 1020);
        s->resumeNext = true;
    } else if (cur().isWord("goto")) {
        next();
        if (cur().kind != Tok::Literal || !cur().literal.isIntegral() || cur().literal.i != 0) {
            fail(1002);
        }
        next();
    } else {
        fail(1002);
    }
    return s;
}

StmtPtr Parser::parseWith()
{
    const Token start = cur();
    next();
    auto s = node<WithStmt>(start);
    s->object = parseExpr();
    endStatement();
    s->body = parseBlock();
    if (!accept(Kw::End)) {
        fail(1014);
    }
    expect(Kw::With, 1029);
    return s;
}

StmtPtr Parser::parseErase()
{
    const Token start = cur();
    next();
    auto s = node<EraseStmt>(start);
    if (cur().kind != Tok::Ident) {
        fail(1010);
    }
    s->target.reset(makeIdent(cur()));
    next();
    return s;
}

} // namespace cellvex::vbs
