#pragma once

#include "script/vbscript/Object.h"

namespace cellvex::vbs {

struct ClassDef;

// An object of a class the script defines. Members are found by name in the
// class; private ones answer only to code of the same object.
class ClassInstance final : public Object
{
public:
    ClassInstance(Runtime &rt, const ClassDef &def);

    QString typeName() const override;
    Value invoke(Runtime &rt, const Name &member, InvokeKind kind, ArgRefs &args,
                 const Value *assigned) override;

    const ClassDef &def;
    std::vector<Value> fields;
    bool initialized = false; // Class_Initialize ran: Class_Terminate will run too

protected:
    void lastReleased() noexcept override;

private:
    Runtime &m_rt;
};

} // namespace cellvex::vbs
