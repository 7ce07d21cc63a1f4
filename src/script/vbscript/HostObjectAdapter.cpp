#include "script/vbscript/HostObjectAdapter.h"

#include "script/vbscript/HostValues.h"
#include "script/vbscript/Runtime.h"
#include "script/vbscript/ScriptError.h"

namespace cellvex::vbs {

Value HostObjectAdapter::wrap(Runtime *rt, VbsHostObjectPtr object)
{
    if (!object) {
        return Value::nothing();
    }
    if (rt) {
        if (HostObjectAdapter *known = rt->hostAdapters.value(object.get(), nullptr)) {
            return Value::object(known);
        }
    }
    auto *adapter = new HostObjectAdapter(rt, std::move(object));
    if (rt) {
        rt->hostAdapters.insert(adapter->m_object.get(), adapter);
    }
    return Value::object(adapter);
}

HostObjectAdapter::~HostObjectAdapter()
{
    if (m_rt) {
        m_rt->hostAdapters.remove(m_object.get());
    }
}

Value HostObjectAdapter::invoke(Runtime &, const Name &member, InvokeKind kind, ArgRefs &args,
                                const Value *assigned)
{
    QVariantList list;
    list.reserve(qsizetype(args.size()) + 1);
    for (const Value *a : args) {
        list << toVariant(*a);
    }
    if (assigned) {
        list << toVariant(*assigned);
    }
    const QVariantList before = list;
    QVariant result;
    VbsCallKind k = kind == InvokeKind::Get   ? VbsCallKind::Get
                    : kind == InvokeKind::Let ? VbsCallKind::Put
                                              : VbsCallKind::PutRef;
    VbsHostError e = m_object->invoke(member.text, k, list, result);
    if (e.number != 0) {
        ScriptError se;
        se.number = e.number;
        se.description = e.description.isEmpty() ? errorDescription(e.number) : e.description;
        throw se;
    }
    for (std::size_t i = 0; i < args.size() && qsizetype(i) < list.size(); ++i) {
        if (list[qsizetype(i)] != before[qsizetype(i)]) {
            Runtime::store(args[i], fromVariant(list[qsizetype(i)]));
        }
    }
    return fromVariant(result);
}

std::vector<Value> HostObjectAdapter::enumerate(Runtime &)
{
    QVariantList items;
    if (!m_object->enumerate(items)) {
        raise(err::NotACollection);
    }
    std::vector<Value> out;
    for (const QVariant &v : items) {
        out.push_back(fromVariant(v));
    }
    return out;
}

} // namespace cellvex::vbs
