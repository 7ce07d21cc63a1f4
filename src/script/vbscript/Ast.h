#pragma once

#include "script/vbscript/Object.h"
#include "script/vbscript/Operators.h"

#include <QHash>

#include <memory>
#include <vector>

namespace cellvex::vbs {

class Runtime;
struct ProcDef;
struct ClassDef;

// How a statement ends: normally, or by an Exit that an enclosing construct
// catches.
enum class Flow : std::uint8_t { Normal, ExitFor, ExitDo, ExitProc };

// The tree is executed as it stands: expressions evaluate themselves and
// statements execute themselves against the Runtime (Eval*.cpp, Exec*.cpp).
struct Expr
{
    int line = 0;
    int column = 0;
    virtual ~Expr() = default;
    virtual Value eval(Runtime &rt) const = 0;
    // The storage the expression names, for a ByRef argument; null when it
    // names none (the argument then goes by value).
    virtual Value *ref(Runtime &) const { return nullptr; }
    // Assignment to the expression (Let or Set).
    virtual void assign(Runtime &rt, Value v, bool isSet) const;
    virtual bool isNumericLiteral() const { return false; }
};
using ExprPtr = std::unique_ptr<Expr>;
using ExprList = std::vector<ExprPtr>;

struct LiteralExpr final : Expr
{
    Value value;
    Value eval(Runtime &) const override { return value; }
    bool isNumericLiteral() const override { return value.isNumeric() && value.type != VarType::Empty; }
};

// What a name stands for where it is written. Static kinds are fixed by the
// parser; global kinds are looked up and cached until the global table
// changes.
struct Resolution
{
    enum Kind : std::uint8_t {
        Dynamic, // look up each time (code run by Execute inside a procedure)
        Unbound, // not yet looked up, or the cache is stale
        Local,   // a slot of the procedure's frame
        Result,  // the function's own name: its return value
        Field,   // a variable of the class the code belongs to
        Member,  // a procedure or property of that class, called on Me
        Global,  // a global variable or constant
        GlobalProc,
        Builtin,
    };
    Kind kind = Unbound;
    int index = -1;
    std::uint64_t generation = 0;
    const void *target = nullptr;
};

struct IdentExpr final : Expr
{
    Name name;
    mutable Resolution res;
    Value eval(Runtime &rt) const override;
    Value *ref(Runtime &rt) const override;
    void assign(Runtime &rt, Value v, bool isSet) const override;
};

struct MemberExpr final : Expr
{
    ExprPtr object; // null inside With: the With object
    Name name;
    Value eval(Runtime &rt) const override;
    void assign(Runtime &rt, Value v, bool isSet) const override;
};

struct CallExpr final : Expr
{
    ExprPtr callee; // IdentExpr, MemberExpr or another CallExpr
    ExprList args;
    Value eval(Runtime &rt) const override;
    Value *ref(Runtime &rt) const override;
    void assign(Runtime &rt, Value v, bool isSet) const override;
};

struct ParenExpr final : Expr
{
    ExprPtr inner;
    Value eval(Runtime &rt) const override { return inner->eval(rt); }
};

struct UnaryExpr final : Expr
{
    bool isNot = false; // else negation
    ExprPtr operand;
    Value eval(Runtime &rt) const override;
    bool isNumericLiteral() const override { return !isNot && operand->isNumericLiteral(); }
};

struct BinaryExpr final : Expr
{
    BinaryOp op = BinaryOp::Add;
    bool literal = false; // a comparison with a numeric literal on one side
    ExprPtr left;
    ExprPtr right;
    Value eval(Runtime &rt) const override;
};

struct NewExpr final : Expr
{
    Name className;
    Value eval(Runtime &rt) const override;
};

struct MeExpr final : Expr
{
    Value eval(Runtime &rt) const override;
};

struct Stmt
{
    int line = 0;
    int column = 0;
    virtual ~Stmt() = default;
    virtual Flow exec(Runtime &rt) const = 0;
};
using StmtPtr = std::unique_ptr<Stmt>;
using Block = std::vector<StmtPtr>;

struct AssignStmt final : Stmt
{
    ExprPtr target;
    ExprPtr value;
    bool isSet = false;
    Flow exec(Runtime &rt) const override;
};

struct CallStmt final : Stmt
{
    ExprPtr call;
    Flow exec(Runtime &rt) const override;
};

struct DimItem
{
    ExprPtr target; // an IdentExpr
    ExprList bounds;
    bool isArray = false;
};

struct DimStmt final : Stmt
{
    std::vector<DimItem> items;
    Flow exec(Runtime &rt) const override;
};

struct ReDimStmt final : Stmt
{
    bool preserve = false;
    std::vector<DimItem> items;
    Flow exec(Runtime &rt) const override;
};

struct ConstStmt final : Stmt
{
    std::vector<std::pair<ExprPtr, ExprPtr>> items; // IdentExpr, value
    Flow exec(Runtime &rt) const override;
};

struct EraseStmt final : Stmt
{
    ExprPtr target;
    Flow exec(Runtime &rt) const override;
};

struct IfStmt final : Stmt
{
    std::vector<std::pair<ExprPtr, Block>> branches;
    Block elseBlock;
    Flow exec(Runtime &rt) const override;
};

struct SelectStmt final : Stmt
{
    struct Case
    {
        ExprList values; // empty for Case Else
        Block body;
    };
    ExprPtr subject;
    std::vector<Case> cases;
    Flow exec(Runtime &rt) const override;
};

struct ForStmt final : Stmt
{
    ExprPtr counter;
    ExprPtr from;
    ExprPtr to;
    ExprPtr step; // may be null: 1
    Block body;
    Flow exec(Runtime &rt) const override;
};

struct ForEachStmt final : Stmt
{
    ExprPtr element;
    ExprPtr group;
    Block body;
    Flow exec(Runtime &rt) const override;
};

struct DoStmt final : Stmt
{
    ExprPtr condition; // null: loops until Exit
    bool testFirst = true;
    bool until = false;
    bool isWhileWend = false;
    Block body;
    Flow exec(Runtime &rt) const override;
};

struct ExitStmt final : Stmt
{
    Flow flow = Flow::ExitProc;
    Flow exec(Runtime &) const override { return flow; }
};

struct OnErrorStmt final : Stmt
{
    bool resumeNext = false;
    Flow exec(Runtime &rt) const override;
};

struct WithStmt final : Stmt
{
    ExprPtr object;
    Block body;
    Flow exec(Runtime &rt) const override;
};

struct Param
{
    Name name;
    bool byVal = false;
    bool isArray = false;
};

struct Unit;

struct ProcDef
{
    enum Kind : std::uint8_t { Sub, Function, PropertyGet, PropertyLet, PropertySet };
    Name name;
    Kind kind = Sub;
    bool isPublic = true;
    bool isDefault = false;
    std::vector<Param> params;
    Block body;
    // Slot 0 holds a function's result; the parameters follow, then the
    // procedure's own variables.
    std::vector<Name> locals;
    QHash<QString, int> localIndex;
    std::vector<bool> localConst;
    ClassDef *owner = nullptr;
    const Unit *unit = nullptr;
    int line = 0;
};

struct ClassMember
{
    int field = -1;         // index into the instance's fields, or -1
    ProcDef *get = nullptr; // Function, Sub or Property Get
    ProcDef *let = nullptr;
    ProcDef *set = nullptr;
    bool isPublic = true;
};

struct ClassDef
{
    Name name;
    std::vector<Name> fields;
    std::vector<ExprList> fieldBounds; // Dim a(3) inside the class
    std::vector<bool> fieldIsArray;
    QHash<QString, ClassMember> members;
    std::vector<std::unique_ptr<ProcDef>> procs;
    ProcDef *initialize = nullptr;
    ProcDef *terminate = nullptr;
    QString defaultMember; // key, empty when none
};

// One compiled piece of source: a block of global code with its procedures
// and classes (or one expression, for Eval).
struct Unit
{
    Block statements;
    ExprPtr expression;
    std::vector<std::unique_ptr<ProcDef>> procs;
    std::vector<std::unique_ptr<ClassDef>> classes;
    std::vector<Name> globals; // declared with Dim/Public/Private at the top level
    std::vector<Name> constants;
    bool optionExplicit = false;
};

} // namespace cellvex::vbs
