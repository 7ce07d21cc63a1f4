#pragma once

#include "automation/HResult.h"
#include "automation/MemberTypes.h"
#include "automation/Variant.h"

#include <vector>

namespace cellvex::automation {

// The host's side of ICellvexEvents as a dispinterface: the control calls
// Invoke with the event's dispatch id and its arguments in declaration order;
// a handler changes in/out arguments in place. A failing result is ignored
// by the control.
class IEventSink
{
public:
    virtual ~IEventSink() = default;
    virtual HResult Invoke(DispId dispId, std::vector<Variant> &args) = 0;
};

} // namespace cellvex::automation
