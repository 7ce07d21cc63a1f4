#include "script/vbscript/Runtime.h"

#include "script/vbscript/Array.h"
#include "script/vbscript/ClassInstance.h"
#include "script/vbscript/Convert.h"
#include "script/vbscript/ErrObject.h"

#include <algorithm>

namespace cellvex::vbs {

namespace {
thread_local Runtime *t_current = nullptr;

std::uintptr_t stackHere()
{
    return reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
}
} // namespace

Runtime *Runtime::current()
{
    return t_current;
}

Runtime::Activation::Activation(Runtime &rt) : m_rt(rt), m_previous(t_current), m_previousBase(rt.m_stackBase)
{
    if (!rt.m_stackBase || t_current != &rt) {
        rt.m_stackBase = stackHere();
    }
    t_current = &rt;
}

Runtime::Activation::~Activation()
{
    t_current = m_previous;
    m_rt.m_stackBase = m_previousBase;
}

FrameScope::FrameScope(Runtime &rt, Frame &f) : m_rt(rt), m_previous(rt.m_frame)
{
    rt.m_frame = &f;
}

FrameScope::~FrameScope()
{
    m_rt.m_frame = m_previous;
}

Runtime::Runtime() : m_err(new ErrObject) {}

Runtime::~Runtime()
{
    // Objects the script leaves behind get their Class_Terminate while the
    // runtime still works, under a budget of their own: a terminator that
    // creates objects (or stores Me again) must not keep the teardown going.
    Activation active(*this);
    m_frame = &m_global;
    m_budget = std::min<std::int64_t>(m_budget, 100000);
    m_ticks = 0;
    m_interrupted = false;
    auto releaseAll = [this] {
        bool any = false;
        // By index: a terminator may still create globals.
        for (std::size_t i = 0; i < m_globals.size(); ++i) {
            if (!m_globals[i].value.isEmpty()) {
                any = true;
                Value old = std::move(m_globals[i].value);
                m_globals[i].value = Value();
            }
        }
        m_global.withObjects.clear();
        m_global.implicit.reset();
        return any;
    };
    for (int pass = 0; pass < 4 && releaseAll(); ++pass) {
    }
    // From here on no script code runs: what is left is freed silently,
    // before the classes it points at go.
    m_tearingDown = true;
    releaseAll();
}

void Runtime::checkStack()
{
    std::uintptr_t here = stackHere();
    if (m_stackBase && m_stackBase > here && std::ptrdiff_t(m_stackBase - here) > kStackBudget) {
        raise(err::OutOfStack);
    }
}

int Runtime::declareGlobal(const Name &name)
{
    auto it = m_globalIndex.find(name.key);
    if (it != m_globalIndex.end()) {
        return *it;
    }
    int index = int(m_globals.size());
    m_globals.push_back(Global{name, Value(), nullptr, false});
    m_globalIndex.insert(name.key, index);
    ++m_generation;
    return index;
}

void Runtime::addNamedValue(const Name &name, Value v)
{
    int index = declareGlobal(name);
    m_globals[std::size_t(index)].value = std::move(v);
    m_globals[std::size_t(index)].isConst = true;
}

void Runtime::hoist(Unit &unit)
{
    for (const auto &proc : unit.procs) {
        Global &g = m_globals[std::size_t(declareGlobal(proc->name))];
        g.proc = proc.get();
        ++m_generation;
    }
    for (const auto &cls : unit.classes) {
        m_classes.insert(cls->name.key, cls.get());
    }
    for (const Name &n : unit.globals) {
        declareGlobal(n);
    }
    for (const Name &n : unit.constants) {
        m_globals[std::size_t(declareGlobal(n))].isConst = true;
    }
}

void Runtime::keepIfDefining(std::unique_ptr<Unit> &unit)
{
    // Units that define procedures or classes must outlive the run; plain
    // code (Execute in a loop) is dropped once it ran.
    if (!unit->procs.empty() || !unit->classes.empty()) {
        m_units.push_back(std::move(unit));
    }
}

void Runtime::runUnit(std::unique_ptr<Unit> unit)
{
    Unit &u = *unit;
    hoist(u);
    keepIfDefining(unit);
    Activation active(*this);
    FrameScope scope(*this, m_global);
    const bool savedExplicit = m_global.explicitVars;
    const bool savedResume = m_global.resumeNext;
    m_global.explicitVars = u.optionExplicit;
    m_global.resumeNext = false;
    struct Restore
    {
        Frame &f;
        bool e, r;
        ~Restore()
        {
            f.explicitVars = e;
            f.resumeNext = r;
        }
    } restore{m_global, savedExplicit, savedResume};
    execBlock(u.statements);
}

void Runtime::executeHere(std::unique_ptr<Unit> unit)
{
    Unit &u = *unit;
    // Procedures and classes an Execute defines become global; its variables
    // belong to the scope it runs in.
    std::vector<Name> vars = std::move(u.globals);
    u.globals.clear();
    hoist(u);
    keepIfDefining(unit);
    if (m_frame == &m_global) {
        for (const Name &n : vars) {
            declareGlobal(n);
        }
    } else {
        if (!m_frame->implicit) {
            m_frame->implicit = std::make_unique<std::unordered_map<QString, Value>>();
        }
        for (const Name &n : vars) {
            if (!m_frame->proc || !m_frame->proc->localIndex.contains(n.key)) {
                m_frame->implicit->try_emplace(n.key);
            }
        }
    }
    execBlock(u.statements);
}

Value Runtime::evaluate(std::unique_ptr<Unit> unit)
{
    Activation active(*this);
    return unit->expression->eval(*this);
}

const ProcDef *Runtime::findProc(const QString &key) const
{
    auto it = m_globalIndex.find(key);
    return it == m_globalIndex.end() ? nullptr : m_globals[std::size_t(*it)].proc;
}

Value Runtime::globalValue(const QString &key) const
{
    auto it = m_globalIndex.find(key);
    return it == m_globalIndex.end() ? Value() : m_globals[std::size_t(*it)].value;
}

Flow Runtime::execBlock(const Block &block)
{
    for (const StmtPtr &s : block) {
        tick();
        Flow f;
        try {
            f = s->exec(*this);
        } catch (ScriptError &e) {
            if (!e.located) {
                e.line = s->line;
                e.column = s->column;
                e.located = true;
            }
            if (e.fatal || !m_frame->resumeNext) {
                throw;
            }
            setErr(e);
            continue;
        }
        if (f != Flow::Normal) {
            return f;
        }
    }
    return Flow::Normal;
}

Value Runtime::errValue() const
{
    return Value::object(m_err.get());
}

void Runtime::setErr(const ScriptError &e)
{
    m_err->number = e.number;
    m_err->description = e.description;
    m_err->source = e.source.isEmpty() ? runtimeErrorSource() : e.source;
}

Array *Runtime::uniqueArray(Value &v)
{
    Array *a = v.asArray();
    if (a && a->refCount() > 1) {
        Array *copy = a->clone();
        v.p = Ref<RefCounted>(copy);
        return copy;
    }
    return a;
}

void Runtime::store(Value *slot, Value v)
{
    Value old = std::move(*slot);
    *slot = std::move(v);
}

Value Runtime::letValue(Value v)
{
    if (v.type == VarType::Object) {
        Value d = conv::dereference(v);
        return d;
    }
    return v;
}

} // namespace cellvex::vbs
