#include "script/vbscript/ClassInstance.h"

#include "script/vbscript/Ast.h"
#include "script/vbscript/Convert.h"
#include "script/vbscript/Runtime.h"

namespace cellvex::vbs {

ClassInstance::ClassInstance(Runtime &rt, const ClassDef &d) : def(d), fields(d.fields.size()), m_rt(rt) {}

QString ClassInstance::typeName() const
{
    return def.name.text;
}

Value ClassInstance::invoke(Runtime &rt, const Name &member, InvokeKind kind, ArgRefs &args,
                            const Value *assigned)
{
    const QString &key = member.key.isEmpty() ? def.defaultMember : member.key;
    auto it = def.members.find(key);
    if (key.isEmpty() || it == def.members.end()) {
        raise(err::NoSuchMember, member.text);
    }
    const ClassMember &m = *it;
    if (!m.isPublic && rt.frame().me.get() != this) {
        raise(err::NoSuchMember, member.text);
    }
    if (m.field >= 0) {
        Value &f = fields[std::size_t(m.field)];
        std::vector<Value> subs;
        for (Value *a : args) {
            subs.push_back(*a);
        }
        if (kind == InvokeKind::Get) {
            return subs.empty() ? f : rt.indexValue(f, subs);
        }
        Value v = *assigned;
        if (kind == InvokeKind::Let) {
            v = Runtime::letValue(std::move(v));
        }
        Runtime::store(subs.empty() ? &f : rt.elementRef(f, subs), std::move(v));
        return {};
    }
    Ref<ClassInstance> keep(this);
    switch (kind) {
    case InvokeKind::Get:
        if (!m.get) {
            raise(err::NoSuchMember, member.text);
        }
        return rt.callProc(*m.get, this, args);
    case InvokeKind::Let:
    case InvokeKind::Set: {
        const ProcDef *p = kind == InvokeKind::Let ? m.let : m.set;
        if (!p) {
            raise(m.get ? err::IllegalAssignment : err::NoSuchMember, member.text);
        }
        ArgRefs all = args;
        Value v = *assigned;
        all.push_back(&v);
        rt.callProc(*p, this, all);
        return {};
    }
    }
    return {};
}

void ClassInstance::lastReleased() noexcept
{
    if (initialized && def.terminate && !m_rt.tearingDown()) {
        addRef();
        try {
            ArgRefs none;
            Runtime::Activation active(m_rt);
            m_rt.callProc(*def.terminate, this, none);
        } catch (...) {
            // An error in Class_Terminate has nobody to report to.
        }
        if (refCount() > 1) {
            dropRef(); // the terminator stored Me somewhere: the object lives on
            return;
        }
        dropRef();
    }
    delete this;
}

} // namespace cellvex::vbs
