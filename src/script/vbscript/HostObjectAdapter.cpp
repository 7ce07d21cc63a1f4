#include "script/vbscript/HostObjectAdapter.h"

#include "script/vbscript/HostValues.h"
#include "script/vbscript/Runtime.h"
#include "script/vbscript/ScriptError.h"

#include <QHash>

namespace cellvex::vbs {

namespace {
// The adapter keeps its host object alive, so a key cannot be reused while
// its entry exists.
thread_local QHash<const VbsHostObject *, HostObjectAdapter *> t_adapters;
} // namespace

Value HostObjectAdapter::wrap(VbsHostObjectPtr object)
{
    if (!object) {
        return Value::nothing();
    }
    if (HostObjectAdapter *known = t_adapters.value(object.get(), nullptr)) {
        return Value::object(known);
    }
    auto *adapter = new HostObjectAdapter(std::move(object));
    t_adapters.insert(adapter->m_object.get(), adapter);
    return Value::object(adapter);
}

HostObjectAdapter::~HostObjectAdapter()
{
    t_adapters.remove(m_object.get());
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
