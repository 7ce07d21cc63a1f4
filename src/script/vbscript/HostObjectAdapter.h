#pragma once

#include "script/vbscript/Object.h"
#include "script/vbscript/VbsHostObject.h"

namespace cellvex::vbs {

// A host object as the script sees it: every member call goes to the host's
// invoke by name, and arguments the host changed are written back.
class HostObjectAdapter final : public Object
{
public:
    // The script's face of a host object: one per host object while the
    // script holds it, so that Is compares the host objects.
    // rt may be null (no identity then).
    static Value wrap(Runtime *rt, VbsHostObjectPtr object);
    ~HostObjectAdapter() override;
    QString typeName() const override { return m_object->typeName(); }
    Value invoke(Runtime &rt, const Name &member, InvokeKind kind, ArgRefs &args,
                 const Value *assigned) override;
    std::vector<Value> enumerate(Runtime &rt) override;
    const VbsHostObjectPtr &object() const { return m_object; }

private:
    HostObjectAdapter(Runtime *rt, VbsHostObjectPtr object) : m_rt(rt), m_object(std::move(object)) {}
    Runtime *m_rt;
    VbsHostObjectPtr m_object;
};

} // namespace cellvex::vbs
