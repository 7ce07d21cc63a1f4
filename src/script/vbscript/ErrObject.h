#pragma once

#include "script/vbscript/Object.h"

namespace cellvex::vbs {

// The Err object: the last error's number, description and source, with
// Raise and Clear. Number is the default member (If Err Then ...).
class ErrObject final : public Object
{
public:
    QString typeName() const override { return QStringLiteral("ErrObject"); }
    Value invoke(Runtime &rt, const Name &member, InvokeKind kind, ArgRefs &args,
                 const Value *assigned) override;
    void clear();

    std::int32_t number = 0;
    QString description;
    QString source;
    QString helpFile;
    std::int32_t helpContext = 0;
};

// The source an error names when the script does not.
QString runtimeErrorSource();

} // namespace cellvex::vbs
