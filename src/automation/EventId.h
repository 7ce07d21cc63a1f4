#pragma once

#include "automation/MemberTypes.h"
#include "automation/TableMacros.h"

namespace cellvex::automation {

// One id per event of Events.def, whose value is the event's dispatch id.
enum class EventId : DispId {
#define CELLVEX_EVENT(dispid, name, args) name = dispid,
#include "automation/Events.def"
};

constexpr DispId dispIdOf(EventId id)
{
    return static_cast<DispId>(id);
}

} // namespace cellvex::automation
