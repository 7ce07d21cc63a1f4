#pragma once

#include "script/vbscript/Object.h"

namespace cellvex::vbs {

struct ProcDef;

// What GetRef returns: calling its default member calls the procedure.
class ProcRefObject final : public Object
{
public:
    explicit ProcRefObject(const ProcDef &proc) : m_proc(proc) {}
    QString typeName() const override { return QStringLiteral("Object"); }
    Value invoke(Runtime &rt, const Name &member, InvokeKind kind, ArgRefs &args,
                 const Value *assigned) override;

private:
    const ProcDef &m_proc;
};

} // namespace cellvex::vbs
