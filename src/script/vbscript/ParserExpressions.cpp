#include "script/vbscript/Parser.h"

#include "script/vbscript/ScriptError.h"

namespace cellvex::vbs {

namespace {

// Binary operator levels, loosest first. Not sits between And and the
// comparisons; unary minus and ^ are below the multiplicative level.
struct Level
{
    struct Entry
    {
        Kw kw;
        const char *op;
        BinaryOp binary;
    };
    std::vector<Entry> entries;
};

const std::vector<Level> &levels()
{
    static const std::vector<Level> table = {
        {{{Kw::Imp, nullptr, BinaryOp::Imp}}},
        {{{Kw::Eqv, nullptr, BinaryOp::Eqv}}},
        {{{Kw::Xor, nullptr, BinaryOp::Xor}}},
        {{{Kw::Or, nullptr, BinaryOp::Or}}},
        {{{Kw::And, nullptr, BinaryOp::And}}},
        {{}}, // Not
        {{{Kw::None, "=", BinaryOp::Eq},
          {Kw::None, "<>", BinaryOp::Ne},
          {Kw::None, "<", BinaryOp::Lt},
          {Kw::None, ">", BinaryOp::Gt},
          {Kw::None, "<=", BinaryOp::Le},
          {Kw::None, ">=", BinaryOp::Ge},
          {Kw::Is, nullptr, BinaryOp::Is}}},
        {{{Kw::None, "&", BinaryOp::Concat}}},
        {{{Kw::None, "+", BinaryOp::Add}, {Kw::None, "-", BinaryOp::Sub}}},
        {{{Kw::Mod, nullptr, BinaryOp::Mod}}},
        {{{Kw::None, "\\", BinaryOp::IntDiv}}},
        {{{Kw::None, "*", BinaryOp::Mul}, {Kw::None, "/", BinaryOp::Div}}},
    };
    return table;
}

constexpr int kNotLevel = 5;

bool isComparison(BinaryOp op)
{
    return op >= BinaryOp::Eq && op <= BinaryOp::Ge;
}

} // namespace

ExprPtr Parser::parseExpr()
{
    enter();
    ExprPtr e = parseBinaryLevel(0);
    leave();
    return e;
}

ExprPtr Parser::parseBinaryLevel(int level)
{
    const auto &table = levels();
    if (level >= int(table.size())) {
        return parseUnary();
    }
    if (level == kNotLevel) {
        return parseNot();
    }
    ExprPtr left = parseBinaryLevel(level + 1);
    for (;;) {
        const Token &t = cur();
        const Level::Entry *hit = nullptr;
        for (const auto &e : table[level].entries) {
            if ((e.op && t.isOp(e.op)) || (!e.op && t.is(e.kw))) {
                hit = &e;
                break;
            }
        }
        if (!hit) {
            return left;
        }
        countNode();
        auto b = node<BinaryExpr>(t);
        next();
        b->op = hit->binary;
        b->left = std::move(left);
        b->right = parseBinaryLevel(level + 1);
        b->literal = isComparison(b->op) && (b->left->isNumericLiteral() || b->right->isNumericLiteral());
        left = std::move(b);
    }
}

ExprPtr Parser::parseNot()
{
    if (cur().is(Kw::Not)) {
        enter();
        auto u = node<UnaryExpr>(cur());
        next();
        u->isNot = true;
        u->operand = parseNot();
        leave();
        return u;
    }
    return parseBinaryLevel(kNotLevel + 1);
}

ExprPtr Parser::parseUnary()
{
    if (cur().isOp('-') || cur().isOp('+')) {
        enter();
        bool minus = cur().isOp('-');
        const Token t = cur();
        next();
        ExprPtr operand = parseUnary();
        leave();
        if (!minus) {
            return operand;
        }
        auto u = node<UnaryExpr>(t);
        u->operand = std::move(operand);
        return u;
    }
    return parsePower();
}

ExprPtr Parser::parsePower()
{
    ExprPtr left = parsePostfix(parsePrimary());
    while (cur().isOp('^')) {
        countNode();
        auto b = node<BinaryExpr>(cur());
        next();
        b->op = BinaryOp::Pow;
        b->left = std::move(left);
        // The exponent may carry its own sign: 2 ^ -1.
        if (cur().isOp('-') || cur().isOp('+')) {
            enter();
            bool minus = cur().isOp('-');
            const Token t = cur();
            next();
            ExprPtr operand = parsePostfix(parsePrimary());
            leave();
            if (minus) {
                auto u = node<UnaryExpr>(t);
                u->operand = std::move(operand);
                operand = std::move(u);
            }
            b->right = std::move(operand);
        } else {
            b->right = parsePostfix(parsePrimary());
        }
        left = std::move(b);
    }
    return left;
}

ExprList Parser::parseArgs()
{
    ExprList args;
    if (cur().isOp(')')) {
        next();
        return args;
    }
    for (;;) {
        args.push_back(parseExpr());
        if (cur().isOp(',')) {
            next();
            continue;
        }
        expectOp(')', 1006);
        return args;
    }
}

ExprPtr Parser::parsePostfix(ExprPtr base)
{
    for (;;) {
        if (cur().isOp('.') || cur().isOp('(')) {
            countNode();
        }
        if (cur().isOp('.')) {
            const Token t = cur();
            next();
            if (cur().kind != Tok::Ident && cur().kind != Tok::Keyword) {
                fail(1010);
            }
            auto m = node<MemberExpr>(t);
            m->object = std::move(base);
            m->name = Name::of(cur().text);
            next();
            base = std::move(m);
        } else if (cur().isOp('(')) {
            enter();
            auto c = node<CallExpr>(cur());
            next();
            c->callee = std::move(base);
            c->args = parseArgs();
            leave();
            base = std::move(c);
        } else {
            return base;
        }
    }
}

ExprPtr Parser::parsePrimary()
{
    const Token t = cur();
    switch (t.kind) {
    case Tok::Literal: {
        auto l = node<LiteralExpr>(t);
        l->value = t.literal;
        next();
        return l;
    }
    case Tok::Ident:
        next();
        return ExprPtr(makeIdent(t));
    case Tok::Op:
        if (t.isOp('(')) {
            enter();
            next();
            auto p = node<ParenExpr>(t);
            p->inner = parseExpr();
            expectOp(')', 1006);
            leave();
            return p;
        }
        if (t.isOp('.')) {
            next();
            if (cur().kind != Tok::Ident && cur().kind != Tok::Keyword) {
                fail(1010);
            }
            auto m = node<MemberExpr>(t);
            m->name = Name::of(cur().text);
            next();
            return m;
        }
        break;
    case Tok::Keyword: {
        auto lit = [&](Value v) {
            auto l = node<LiteralExpr>(t);
            l->value = std::move(v);
            next();
            return ExprPtr(std::move(l));
        };
        switch (t.kw) {
        case Kw::True:
            return lit(Value::boolean(true));
        case Kw::False:
            return lit(Value::boolean(false));
        case Kw::Empty:
            return lit(Value());
        case Kw::Null:
            return lit(Value::null());
        case Kw::Nothing:
            return lit(Value::nothing());
        case Kw::Me: {
            if (!m_class && !m_dynamic) {
                fail(1037);
            }
            next();
            return node<MeExpr>(t);
        }
        case Kw::New: {
            next();
            auto n = node<NewExpr>(t);
            n->className = Name::of(identifier());
            return n;
        }
        default:
            break;
        }
        break;
    }
    default:
        break;
    }
    fail(1023);
}

ExprList Parser::parseBounds(bool constantsOnly)
{
    ExprList bounds;
    expectOp('(', 1005);
    if (cur().isOp(')')) {
        next();
        return bounds;
    }
    for (;;) {
        if (constantsOnly) {
            if (cur().kind != Tok::Literal || !cur().literal.isIntegral()) {
                fail(1026);
            }
            auto l = node<LiteralExpr>(cur());
            l->value = cur().literal;
            next();
            bounds.push_back(std::move(l));
        } else {
            bounds.push_back(parseExpr());
        }
        if (bounds.size() > std::size_t(60)) {
            fail(err::SubscriptOutOfRange);
        }
        if (cur().isOp(',')) {
            next();
            continue;
        }
        expectOp(')', 1006);
        return bounds;
    }
}

} // namespace cellvex::vbs
