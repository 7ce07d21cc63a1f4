#pragma once

#include "script/vbscript/Ast.h"
#include "script/vbscript/Frame.h"
#include "script/vbscript/ScriptError.h"

#include <QHash>

#include <atomic>
#include <deque>
#include <functional>
#include <memory>

namespace cellvex::vbs {

struct Builtin;
class ErrObject;
class ClassInstance;

// The interpreter's state: global names, the call stack, the Err object and
// the host's hooks. The tree nodes call into it to look names up, call
// procedures and raise errors.
class HostObjectAdapter;
class VbsHostObject;

class Runtime
{
public:
    // The script's object for each host object it holds, so that Is compares
    // host objects (HostObjectAdapter keeps it). First member: destroyed last.
    QHash<const VbsHostObject *, HostObjectAdapter *> hostAdapters;

    Runtime();
    ~Runtime();
    Runtime(const Runtime &) = delete;
    Runtime &operator=(const Runtime &) = delete;

    // The runtime executing on this thread, for conversions that need an
    // object's default member.
    static Runtime *current();
    class Activation
    {
    public:
        explicit Activation(Runtime &rt);
        ~Activation();

    private:
        Runtime &m_rt;
        Runtime *m_previous;
        std::uintptr_t m_previousBase;
    };

    // Host hooks.
    std::function<int(const QString &prompt, int buttons, const QString &title)> messageBox;
    std::function<QString(const QString &prompt, const QString &title, const QString &def)> inputBox;
    std::function<Value(const QString &progId)> createObject; // Empty when unknown
    void setBudget(std::int64_t statements) { m_budget = statements < 0 ? INT64_MAX : statements; }
    void resetTicks() { m_ticks = 0; }
    void interrupt() { m_interrupted.store(true, std::memory_order_relaxed); }
    void clearInterrupt() { m_interrupted.store(false, std::memory_order_relaxed); }

    // Declares a named object (host items) as a global constant.
    void addNamedValue(const Name &name, Value v);

    // Hoists the unit's declarations and runs its global code in the global
    // frame; the unit stays owned by the runtime (its procedures live on).
    void runUnit(std::unique_ptr<Unit> unit);
    // Runs the unit's statements in the current frame (Execute).
    void executeHere(std::unique_ptr<Unit> unit);
    Value evaluate(std::unique_ptr<Unit> unit);
    const ProcDef *findProc(const QString &key) const;
    Value callProc(const ProcDef &proc, ClassInstance *me, ArgRefs &args);
    Value globalValue(const QString &key) const;

    // Execution.
    Frame &frame() { return *m_frame; }
    Frame &globalFrame() { return m_global; }
    Flow execBlock(const Block &block);
    void tick()
    {
        if (++m_ticks > m_budget) {
            raiseFatal(err::BudgetExhausted);
        }
        if (m_interrupted.load(std::memory_order_relaxed)) {
            raiseFatal(err::Interrupted);
        }
    }
    void checkStack();
    int depth() const { return m_depth; }
    // Nesting that is no procedure call (Execute, Eval) counts like one.
    void pushDepth()
    {
        if (m_depth >= kMaxDepth) {
            raise(err::OutOfStack);
        }
        checkStack();
        ++m_depth;
    }
    void popDepth() { --m_depth; }

    // Names (RuntimeNames.cpp).
    struct Lookup
    {
        enum Kind { None, Slot, Proc, Member, Builtin } kind = None;
        Value *slot = nullptr;
        bool isConst = false;
        const ProcDef *proc = nullptr;
        const vbs::Builtin *builtin = nullptr;
    };
    Lookup lookup(const IdentExpr &id);
    // Storage for an assignment to a name that is none yet: a global in
    // global code, an implicit local in a procedure. declare: the statement
    // declares it (ReDim), so Option Explicit does not object.
    Value *createVariable(const IdentExpr &id, bool declare = false);
    Value readName(const IdentExpr &id);
    Value callName(const IdentExpr &id, const ExprList &args);
    void assignName(const IdentExpr &id, Value v, bool isSet);
    // The value a Let assignment stores: an object gives its default value.
    static Value letValue(Value v);

    // Calls (RuntimeCalls.cpp).
    void prepareArgs(const ExprList &exprs, std::vector<Value> &temps, ArgRefs &refs);
    Value callBuiltin(const vbs::Builtin &b, const ExprList &args);
    Value callMember(ClassInstance *me, const Name &name, const ExprList &args);
    Value indexValue(const Value &base, const std::vector<Value> &subs);
    Value *elementRef(Value &arrayVar, const std::vector<Value> &subs);
    static std::vector<std::int32_t> subscripts(const std::vector<Value> &subs);
    Value *elementAt(Value &arrayVar, const std::vector<std::int32_t> &subs);
    std::vector<Value> evalArgs(const ExprList &args);
    Value newInstance(const Name &className);
    void initFields(ClassInstance &obj);
    Value withObject();

    // Errors.
    ErrObject &errObject() { return *m_err; }
    Value errValue() const;
    void setErr(const ScriptError &e);

    // Arrays are values: an array about to be written is copied first when
    // another variable shares it.
    static Array *uniqueArray(Value &v);
    static void store(Value *slot, Value v);

    std::uint32_t rndSeed = 0x50000;
    double rndLast = 0;
    int textCompareDefault = 0;

private:
    struct Global
    {
        Name name;
        Value value;
        const ProcDef *proc = nullptr;
        bool isConst = false;
    };
    int declareGlobal(const Name &name);
    void hoist(Unit &unit);
    void keepIfDefining(std::unique_ptr<Unit> &unit);
    Lookup byName(const Name &name);
    friend class FrameScope;

    std::deque<Global> m_globals;
    QHash<QString, int> m_globalIndex;
    QHash<QString, const ClassDef *> m_classes;
    std::uint64_t m_generation = 1;
    std::vector<std::unique_ptr<Unit>> m_units;
    Frame m_global;
    Frame *m_frame = &m_global;
    Ref<ErrObject> m_err;
    std::int64_t m_ticks = 0;
    std::int64_t m_budget = INT64_MAX;
    std::atomic<bool> m_interrupted{false};
    int m_depth = 0;
    std::uintptr_t m_stackBase = 0;
    bool m_tearingDown = false;

public:
    static constexpr int kMaxDepth = 1500;
    static constexpr std::ptrdiff_t kStackBudget = 3 * 1024 * 1024;
    bool tearingDown() const { return m_tearingDown; }
};

// Makes a frame current for its lifetime.
class FrameScope
{
public:
    FrameScope(Runtime &rt, Frame &f);
    ~FrameScope();

private:
    Runtime &m_rt;
    Frame *m_previous;
};

} // namespace cellvex::vbs
