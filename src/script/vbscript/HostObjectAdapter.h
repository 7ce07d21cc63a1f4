#pragma once

#include "script/vbscript/Object.h"
#include "script/vbscript/VbsHostObject.h"

namespace cellvex::vbs {

// A host object as the script sees it: every member call goes to the host's
// invoke by name, and arguments the host changed are written back.
class HostObjectAdapter final : public Object
{
public:
    explicit HostObjectAdapter(VbsHostObjectPtr object) : m_object(std::move(object)) {}
    QString typeName() const override { return m_object->typeName(); }
    Value invoke(Runtime &rt, const Name &member, InvokeKind kind, ArgRefs &args,
                 const Value *assigned) override;
    std::vector<Value> enumerate(Runtime &rt) override;
    const VbsHostObjectPtr &object() const { return m_object; }

private:
    VbsHostObjectPtr m_object;
};

} // namespace cellvex::vbs
