#pragma once

#include "automation/Guid.h"

#include <cstdint>
#include <string_view>

namespace cellvex::automation {

// Identity of the type library and of what it declares. The identifiers were
// chosen once and are never regenerated: saved host programs bind to them.
struct TypeLibrary
{
    static constexpr std::string_view kName = "Cellvexlib";
    static constexpr std::uint16_t kMajorVersion = 1;
    static constexpr std::uint16_t kMinorVersion = 0;
    static constexpr std::uint32_t kLocale = 0x409;
    static constexpr std::string_view kHelpString = "Cellvex Library";
    static constexpr Guid kId{0x373AE5FA, 0x7210, 0x4777, {0xBC, 0xD2, 0xF1, 0x6A, 0x7E, 0xC2, 0x01, 0xB3}};

    static constexpr std::string_view kCoclassName = "Cellvex";
    static constexpr std::string_view kCoclassHelpString = "Cellvex Control";
    static constexpr Guid kCoclassId{
        0x43D039F9, 0x637D, 0x47FC, {0xA0, 0x47, 0x1D, 0x2D, 0x5E, 0x37, 0x3E, 0x31}};
    // Library name, a dot, class name: what a host passes to create the control.
    static constexpr std::string_view kProgId = "Cellvexlib.Cellvex";

    static constexpr std::string_view kInterfaceName = "ICellvex";
    static constexpr std::string_view kInterfaceHelpString = "Dispatch interface for Cellvex Control";
    static constexpr Guid kInterfaceId{
        0x74FAEB2A, 0xF823, 0x4CEE, {0xBC, 0x1A, 0xCB, 0x2F, 0xEC, 0x91, 0xBC, 0x30}};

    static constexpr std::string_view kEventsName = "ICellvexEvents";
    static constexpr std::string_view kEventsHelpString = "Events interface for Cellvex Control";
    static constexpr Guid kEventsId{
        0xA263B232, 0x55AE, 0x4112, {0x9F, 0x02, 0x74, 0x6D, 0xB0, 0x75, 0x33, 0xE2}};

    // The two base interfaces every automation object answers to.
    static constexpr Guid kIUnknownId{0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
    static constexpr Guid kIDispatchId{0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
};

} // namespace cellvex::automation
