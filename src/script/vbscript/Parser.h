#pragma once

#include "script/vbscript/Ast.h"
#include "script/vbscript/Token.h"

#include <memory>
#include <vector>

namespace cellvex::vbs {

// Builds the executable tree from tokens. Names declared in a procedure or a
// class are bound to their slots here; other names are left to the runtime.
// Throws a compile ScriptError with the line and column of the offending
// token.
class Parser
{
public:
    // A script block. dynamicScope: global code that will run inside a
    // procedure (Execute), so its names are looked up where it runs.
    static std::unique_ptr<Unit> parseProgram(const QString &source, bool dynamicScope = false);
    // One expression, for Eval.
    static std::unique_ptr<Unit> parseExpression(const QString &source, bool dynamicScope = false);

    // Nesting deeper than this (blocks and expressions) is refused, so
    // hostile input cannot exhaust the stack of the parser or the runtime.
    static constexpr int kMaxNesting = 120;

private:
    Parser(std::vector<Token> tokens, bool dynamicScope);

    // Parser.cpp: tokens, blocks and the top level
    const Token &cur() const { return m_toks[m_pos]; }
    const Token &peek(int k = 1) const;
    void next();
    bool accept(Kw k);
    void expect(Kw k, int error);
    void expectOp(char c, int error);
    [[noreturn]] void fail(int error) const;
    [[noreturn]] void failAt(const Token &t, int error) const;
    bool atStatementEnd() const;
    void skipSeparators();
    void endStatement();
    QString identifier(int error = 1010);
    IdentExpr *makeIdent(const Token &t);
    template <class T> std::unique_ptr<T> node(const Token &t);
    void parseTopLevel();
    Block parseBlock();
    bool atBlockEnd() const;
    void enter();
    void leave() { --m_depth; }
    // Operator chains (1+1+1+...) nest without recursion in the parser but
    // deepen the tree; their length per statement is bounded too.
    void countNode();
    static constexpr int kMaxNodesPerStatement = 2000;

    // ParserStatements.cpp
    StmtPtr parseStatement();
    StmtPtr parseSimple();
    StmtPtr parseIf();
    Block parseSingleLineStatements();
    StmtPtr parseSelect();
    StmtPtr parseFor();
    StmtPtr parseDo();
    StmtPtr parseWhile();
    StmtPtr parseExit();
    StmtPtr parseOnError();
    StmtPtr parseWith();
    StmtPtr parseDim(bool inClass);
    StmtPtr parseReDim();
    StmtPtr parseConst();
    StmtPtr parseErase();
    StmtPtr parseSet();
    StmtPtr parseCall();

    // ParserDeclarations.cpp
    void parseProc(ProcDef::Kind kind, bool isPublic, bool isDefault);
    void parseClass();
    void parseClassBody();
    void declareLocal(const Name &name, bool isConst);
    void declareField(ClassDef &cls, const Name &name, bool isPublic, ExprList bounds, bool isArray);
    void bindProcNames(ProcDef &proc);
    void bindClassNames(ClassDef &cls);

    // ParserExpressions.cpp
    ExprPtr parseExpr();
    ExprPtr parseBinaryLevel(int level);
    ExprPtr parseNot();
    ExprPtr parseUnary();
    ExprPtr parsePower();
    ExprPtr parsePostfix(ExprPtr base);
    ExprPtr parsePrimary();
    ExprList parseArgs(); // after '('
    ExprList parseBounds(bool constantsOnly);

    std::vector<Token> m_toks;
    std::size_t m_pos = 0;
    bool m_dynamic = false;
    std::unique_ptr<Unit> m_unit;
    ProcDef *m_proc = nullptr;
    ClassDef *m_class = nullptr;
    std::vector<IdentExpr *> m_procIdents;
    std::vector<std::pair<IdentExpr *, ProcDef *>> m_classIdents;
    int m_depth = 0;
    int m_forDepth = 0;
    int m_doDepth = 0;
    int m_singleLineIf = 0;
    int m_nodes = 0;
};

template <class T> std::unique_ptr<T> Parser::node(const Token &t)
{
    auto n = std::make_unique<T>();
    n->line = t.line;
    n->column = t.column;
    return n;
}

} // namespace cellvex::vbs
