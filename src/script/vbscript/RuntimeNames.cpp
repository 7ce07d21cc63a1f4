#include "script/vbscript/Array.h"
#include "script/vbscript/Builtins.h"
#include "script/vbscript/ClassInstance.h"
#include "script/vbscript/Runtime.h"

namespace cellvex::vbs {

Runtime::Lookup Runtime::byName(const Name &name)
{
    Lookup l;
    Frame &f = *m_frame;
    if (f.proc) {
        auto it = f.proc->localIndex.find(name.key);
        if (it != f.proc->localIndex.end() && std::size_t(*it) < f.vars.size()) {
            l.kind = Lookup::Slot;
            l.slot = f.vars[std::size_t(*it)];
            l.isConst = f.proc->localConst[std::size_t(*it)];
            return l;
        }
    }
    if (f.implicit) {
        auto it = f.implicit->find(name.key);
        if (it != f.implicit->end()) {
            l.kind = Lookup::Slot;
            l.slot = &it->second;
            return l;
        }
    }
    if (f.me) {
        auto it = f.me->def.members.find(name.key);
        if (it != f.me->def.members.end()) {
            if (it->field >= 0) {
                l.kind = Lookup::Slot;
                l.slot = &f.me->fields[std::size_t(it->field)];
            } else {
                l.kind = Lookup::Member;
            }
            return l;
        }
    }
    auto it = m_globalIndex.find(name.key);
    if (it != m_globalIndex.end()) {
        Global &g = m_globals[std::size_t(*it)];
        if (g.proc) {
            l.kind = Lookup::Proc;
            l.proc = g.proc;
        } else {
            l.kind = Lookup::Slot;
            l.slot = &g.value;
            l.isConst = g.isConst;
        }
        return l;
    }
    if (const Builtin *b = findBuiltin(name.key)) {
        l.kind = Lookup::Builtin;
        l.builtin = b;
    }
    return l;
}

Runtime::Lookup Runtime::lookup(const IdentExpr &id)
{
    Resolution &r = id.res;
    Frame &f = *m_frame;
    Lookup l;
    switch (r.kind) {
    case Resolution::Local:
    case Resolution::Result:
        if (f.proc && std::size_t(r.index) < f.vars.size()) {
            l.kind = Lookup::Slot;
            l.slot = f.vars[std::size_t(r.index)];
            l.isConst = f.proc->localConst[std::size_t(r.index)];
            return l;
        }
        return byName(id.name);
    case Resolution::Field:
        if (f.me && std::size_t(r.index) < f.me->fields.size()) {
            l.kind = Lookup::Slot;
            l.slot = &f.me->fields[std::size_t(r.index)];
            return l;
        }
        return byName(id.name);
    case Resolution::Member:
        if (f.me) {
            l.kind = Lookup::Member;
            return l;
        }
        return byName(id.name);
    case Resolution::Dynamic:
        return byName(id.name);
    default:
        break;
    }
    if (f.implicit) {
        auto it = f.implicit->find(id.name.key);
        if (it != f.implicit->end()) {
            l.kind = Lookup::Slot;
            l.slot = &it->second;
            return l;
        }
    }
    if (r.generation != m_generation) {
        auto it = m_globalIndex.find(id.name.key);
        if (it != m_globalIndex.end()) {
            r.kind = m_globals[std::size_t(*it)].proc ? Resolution::GlobalProc : Resolution::Global;
            r.index = *it;
        } else if (const Builtin *b = findBuiltin(id.name.key)) {
            r.kind = Resolution::Builtin;
            r.target = b;
        } else {
            r.kind = Resolution::Unbound;
        }
        r.generation = m_generation;
    }
    switch (r.kind) {
    case Resolution::Global: {
        Global &g = m_globals[std::size_t(r.index)];
        l.kind = Lookup::Slot;
        l.slot = &g.value;
        l.isConst = g.isConst;
        break;
    }
    case Resolution::GlobalProc:
        l.kind = Lookup::Proc;
        l.proc = m_globals[std::size_t(r.index)].proc;
        break;
    case Resolution::Builtin:
        l.kind = Lookup::Builtin;
        l.builtin = static_cast<const Builtin *>(r.target);
        break;
    default:
        break;
    }
    return l;
}

Value *Runtime::createVariable(const IdentExpr &id, bool declare)
{
    if (m_frame->explicitVars && !declare) {
        raise(err::VariableUndefined, id.name.text);
    }
    if (m_frame == &m_global) {
        return &m_globals[std::size_t(declareGlobal(id.name))].value;
    }
    if (!m_frame->implicit) {
        m_frame->implicit = std::make_unique<std::unordered_map<QString, Value>>();
    }
    return &(*m_frame->implicit)[id.name.key];
}

Value Runtime::readName(const IdentExpr &id)
{
    Lookup l = lookup(id);
    switch (l.kind) {
    case Lookup::Slot:
        return *l.slot;
    case Lookup::Proc: {
        ArgRefs none;
        return callProc(*l.proc, nullptr, none);
    }
    case Lookup::Member:
        return callMember(m_frame->me.get(), id.name, {});
    case Lookup::Builtin:
        return callBuiltin(*l.builtin, {});
    case Lookup::None:
        break;
    }
    if (m_frame->explicitVars) {
        raise(err::VariableUndefined, id.name.text);
    }
    return {};
}

Value Runtime::callName(const IdentExpr &id, const ExprList &args)
{
    if (id.res.kind == Resolution::Result && m_frame->proc) {
        // The function's name with arguments is a recursive call.
        std::vector<Value> temps;
        ArgRefs refs;
        prepareArgs(args, temps, refs);
        const ProcDef &self = *m_frame->proc;
        return callProc(self, m_frame->me.get(), refs);
    }
    Lookup l = lookup(id);
    switch (l.kind) {
    case Lookup::Slot: {
        if (args.empty()) {
            return *l.slot;
        }
        Value base = *l.slot;
        if (base.isArray()) {
            std::vector<Value> subs = evalArgs(args);
            return indexValue(base, subs);
        }
        if (base.isObject()) {
            Object *o = base.asObject();
            if (!o) {
                raise(err::ObjectVariableNotSet, id.name.text);
            }
            std::vector<Value> temps;
            ArgRefs refs;
            prepareArgs(args, temps, refs);
            return o->invoke(*this, Name{}, InvokeKind::Get, refs, nullptr);
        }
        raise(err::TypeMismatch, id.name.text);
    }
    case Lookup::Proc: {
        std::vector<Value> temps;
        ArgRefs refs;
        prepareArgs(args, temps, refs);
        return callProc(*l.proc, nullptr, refs);
    }
    case Lookup::Member:
        return callMember(m_frame->me.get(), id.name, args);
    case Lookup::Builtin:
        return callBuiltin(*l.builtin, args);
    case Lookup::None:
        break;
    }
    if (m_frame->explicitVars) {
        raise(err::VariableUndefined, id.name.text);
    }
    raise(err::TypeMismatch, id.name.text);
}

void Runtime::assignName(const IdentExpr &id, Value v, bool isSet)
{
    if (isSet) {
        if (!v.isObject()) {
            raise(err::ObjectRequired, id.name.text);
        }
    } else if (v.type == VarType::Object) {
        v = letValue(std::move(v));
    }
    Lookup l = lookup(id);
    switch (l.kind) {
    case Lookup::Slot:
        if (l.isConst) {
            raise(err::IllegalAssignment, id.name.text);
        }
        store(l.slot, std::move(v));
        return;
    case Lookup::Member: {
        ArgRefs none;
        m_frame->me->invoke(*this, id.name, isSet ? InvokeKind::Set : InvokeKind::Let, none, &v);
        return;
    }
    case Lookup::Proc:
    case Lookup::Builtin:
        raise(err::IllegalAssignment, id.name.text);
    case Lookup::None:
        store(createVariable(id), std::move(v));
        return;
    }
}

} // namespace cellvex::vbs
