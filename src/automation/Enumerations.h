#pragma once

#include "automation/Guid.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace cellvex::automation {

// The enumerations of the type library. They travel as 32-bit integers, and
// hosts use the constant names, so the enumerators are kept unscoped.
enum TxActiveFormBorderStyle : std::int32_t {
    afbNone = 0,
    afbSingle = 1,
    afbSunken = 2,
    afbRaised = 3,
};

enum TxPrintScale : std::int32_t {
    poNone = 0,
    poProportional = 1,
    poPrintToFit = 2,
};

enum TxMouseButton : std::int32_t {
    mbLeft = 0,
    mbRight = 1,
    mbMiddle = 2,
};

enum TxHelpType : std::int32_t {
    htKeyword = 0,
    htContext = 1,
};

struct EnumConstant
{
    std::string_view name;
    std::int32_t value;
};

struct EnumInfo
{
    std::string_view name;
    std::string_view helpString;
    Guid id;
    std::span<const EnumConstant> constants;
};

// The four enumerations in the order the type library declares them.
std::span<const EnumInfo> enumerations();

} // namespace cellvex::automation
