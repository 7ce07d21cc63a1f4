#include "automation/EventTable.h"

#include "automation/TableMacros.h"

#include <algorithm>
#include <initializer_list>

namespace cellvex::automation {

namespace {

constexpr EventRow makeEvent(DispId dispId, std::string_view name, std::initializer_list<ArgInfo> args)
{
    EventRow row;
    row.dispId = dispId;
    row.name = name;
    // Thrown during constant evaluation only: the build stops at the row.
    if (args.size() > EventRow::kMaxArgs)
        throw "event row has more arguments than EventRow::kMaxArgs";
    row.argCount = args.size();
    std::copy(args.begin(), args.end(), row.argStorage.begin());
    return row;
}

#define CELLVEX_EVENT(dispid, name, args)                                                                    \
    makeEvent(dispid, #name, {CELLVEX_FOR_EACH_ARG(CELLVEX_ARGINFO, args)}),

constexpr EventRow kEvents[] = {
#include "automation/Events.def"
};

constexpr bool dispIdsAreSequential()
{
    for (std::size_t i = 0; i < std::size(kEvents); ++i) {
        if (kEvents[i].dispId != static_cast<DispId>(i + 1))
            return false;
    }
    return true;
}

// findEvent indexes by dispatch id.
static_assert(std::size(kEvents) == kEventCount);
static_assert(dispIdsAreSequential());

} // namespace

std::span<const EventRow> eventTable()
{
    return kEvents;
}

const EventRow *findEvent(DispId dispId)
{
    if (dispId < 1 || dispId > kEventCount)
        return nullptr;
    return &kEvents[dispId - 1];
}

} // namespace cellvex::automation
