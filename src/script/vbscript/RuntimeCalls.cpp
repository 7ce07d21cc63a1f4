#include "script/vbscript/Array.h"
#include "script/vbscript/Builtins.h"
#include "script/vbscript/ClassInstance.h"
#include "script/vbscript/Convert.h"
#include "script/vbscript/RegExpObject.h"
#include "script/vbscript/Runtime.h"

namespace cellvex::vbs {

void Runtime::prepareArgs(const ExprList &exprs, std::vector<Value> &temps, ArgRefs &refs)
{
    temps.resize(exprs.size());
    refs.resize(exprs.size());
    for (std::size_t i = 0; i < exprs.size(); ++i) {
        Value *r = exprs[i]->ref(*this);
        if (r) {
            refs[i] = r;
        } else {
            temps[i] = exprs[i]->eval(*this);
            refs[i] = &temps[i];
        }
    }
}

std::vector<Value> Runtime::evalArgs(const ExprList &args)
{
    std::vector<Value> out;
    out.reserve(args.size());
    for (const ExprPtr &a : args) {
        out.push_back(a->eval(*this));
    }
    return out;
}

namespace {
struct DepthGuard
{
    int &depth;
    ~DepthGuard() { --depth; }
};
} // namespace

Value Runtime::callProc(const ProcDef &proc, ClassInstance *me, ArgRefs &args)
{
    if (args.size() != proc.params.size()) {
        raise(err::WrongArgumentCount, proc.name.text);
    }
    if (m_depth >= kMaxDepth) {
        raise(err::OutOfStack);
    }
    checkStack();
    ++m_depth;
    DepthGuard guard{m_depth};
    Frame f;
    f.proc = &proc;
    f.me = me;
    f.explicitVars = proc.unit && proc.unit->optionExplicit;
    f.own.resize(proc.locals.size());
    f.vars.resize(proc.locals.size());
    for (std::size_t i = 0; i < f.own.size(); ++i) {
        f.vars[i] = &f.own[i];
    }
    for (std::size_t i = 0; i < proc.params.size(); ++i) {
        if (proc.params[i].byVal) {
            f.own[i + 1] = *args[i];
        } else {
            f.vars[i + 1] = args[i];
        }
    }
    {
        FrameScope scope(*this, f);
        execBlock(proc.body);
    }
    return std::move(f.own[0]);
}

Value Runtime::callMember(ClassInstance *me, const Name &name, const ExprList &args)
{
    if (!me) {
        raise(err::ObjectRequired, name.text);
    }
    Ref<ClassInstance> keep(me);
    std::vector<Value> temps;
    ArgRefs refs;
    prepareArgs(args, temps, refs);
    return me->invoke(*this, name, InvokeKind::Get, refs, nullptr);
}

Value Runtime::callBuiltin(const Builtin &b, const ExprList &args)
{
    if (!b.fn) {
        if (!args.empty()) {
            raise(err::TypeMismatch, QString::fromLatin1(b.name));
        }
        return b.constant;
    }
    if (int(args.size()) < b.minArgs || int(args.size()) > b.maxArgs) {
        raise(err::WrongArgumentCount, QString::fromLatin1(b.name));
    }
    std::vector<Value> values = evalArgs(args);
    return b.fn(*this, values);
}

std::vector<std::int32_t> Runtime::subscripts(const std::vector<Value> &subs)
{
    std::vector<std::int32_t> out;
    out.reserve(subs.size());
    for (const Value &s : subs) {
        out.push_back(conv::toLong(s));
    }
    return out;
}

Value Runtime::indexValue(const Value &base, const std::vector<Value> &subs)
{
    if (base.isArray()) {
        std::vector<std::int32_t> at = subscripts(subs);
        const Array *a = base.asArray();
        std::int64_t off = a->offsetOf(at.data(), at.size());
        if (off < 0) {
            raise(err::SubscriptOutOfRange);
        }
        return a->items[std::size_t(off)];
    }
    if (base.isObject()) {
        Object *o = base.asObject();
        if (!o) {
            raise(err::ObjectVariableNotSet);
        }
        std::vector<Value> temps = subs;
        ArgRefs refs;
        for (Value &t : temps) {
            refs.push_back(&t);
        }
        return o->invoke(*this, Name{}, InvokeKind::Get, refs, nullptr);
    }
    raise(err::TypeMismatch);
}

Value *Runtime::elementAt(Value &arrayVar, const std::vector<std::int32_t> &at)
{
    if (!arrayVar.isArray()) {
        raise(err::TypeMismatch);
    }
    Array *a = uniqueArray(arrayVar);
    std::int64_t off = a->offsetOf(at.data(), at.size());
    if (off < 0) {
        raise(err::SubscriptOutOfRange);
    }
    return &a->items[std::size_t(off)];
}

Value *Runtime::elementRef(Value &arrayVar, const std::vector<Value> &subs)
{
    std::vector<std::int32_t> at = subscripts(subs);
    return elementAt(arrayVar, at);
}

void Runtime::initFields(ClassInstance &obj)
{
    const ClassDef &def = obj.def;
    for (std::size_t i = 0; i < def.fields.size(); ++i) {
        if (!def.fieldIsArray[i]) {
            continue;
        }
        auto *a = new Array;
        for (const ExprPtr &b : def.fieldBounds[i]) {
            a->upper.push_back(conv::toLong(b->eval(*this)));
        }
        std::int64_t n = a->upper.empty() ? 0 : Array::countFor(a->upper);
        if (n < 0) {
            delete a;
            raise(err::OutOfMemory);
        }
        a->items.resize(std::size_t(n));
        a->fixedSize = !a->upper.empty();
        obj.fields[i] = Value::array(a);
    }
}

Value Runtime::newInstance(const Name &className)
{
    auto it = m_classes.find(className.key);
    if (it == m_classes.end()) {
        if (className.key == QLatin1String("regexp")) {
            return Value::object(new RegExpObject);
        }
        raise(err::ClassNotDefined, className.text);
    }
    auto *obj = new ClassInstance(*this, **it);
    Value v = Value::object(obj);
    initFields(*obj);
    if ((*it)->initialize) {
        ArgRefs none;
        callProc(*(*it)->initialize, obj, none);
    }
    obj->initialized = true;
    return v;
}

Value Runtime::withObject()
{
    if (m_frame->withObjects.empty()) {
        raise(505);
    }
    return m_frame->withObjects.back();
}

} // namespace cellvex::vbs
