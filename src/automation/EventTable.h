#pragma once

#include "automation/MemberRow.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace cellvex::automation {

// One event of ICellvexEvents. In/out arguments are by reference: the host
// may change them and the control uses what comes back.
struct EventRow
{
    static constexpr std::size_t kMaxArgs = 5;

    DispId dispId = 0;
    std::string_view name;
    std::size_t argCount = 0;
    std::array<ArgInfo, kMaxArgs> argStorage{};

    std::span<const ArgInfo> args() const { return {argStorage.data(), argCount}; }
};

constexpr int kEventCount = 20;

// The events in dispatch-id order: eventTable()[i].dispId == i + 1.
std::span<const EventRow> eventTable();

// The event with this dispatch id, or nullptr.
const EventRow *findEvent(DispId dispId);

} // namespace cellvex::automation
