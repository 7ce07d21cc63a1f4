#include "DispatchProperties.h"

#include "HostError.h"

#include "automation/MemberTypes.h"

namespace cellvex::demo {

using automation::Variant;
using automation::VarType;

namespace {

Variant getProperty(automation::ICellvex &control, automation::DispId id, VarType type)
{
    std::vector<Variant> args;
    Variant result;
    checkCall(control.Invoke(id, 0, automation::DISPATCH_PROPERTYGET, args, &result, nullptr));
    Variant converted;
    checkCall(result.changeType(type, converted));
    return converted;
}

} // namespace

int getIntProperty(automation::ICellvex &control, automation::DispId id)
{
    return getProperty(control, id, VarType::Long).asLong();
}

bool getBoolProperty(automation::ICellvex &control, automation::DispId id)
{
    return getProperty(control, id, VarType::Boolean).asBool();
}

void putIntProperty(automation::ICellvex &control, automation::DispId id, int value)
{
    std::vector<Variant> args{Variant::fromLong(value)};
    checkCall(control.Invoke(id, 0, automation::DISPATCH_PROPERTYPUT, args, nullptr, nullptr));
}

} // namespace cellvex::demo
