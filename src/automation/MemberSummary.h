#pragma once

#include <span>
#include <string_view>

namespace cellvex::automation {

// One line of meaning for a member name of ICellvex (MemberSummaries.def),
// written into the API reference.
struct MemberSummary
{
    std::string_view name;
    std::string_view text;
};

std::span<const MemberSummary> memberSummaries();

// The line for a member name; empty when the table has none.
std::string_view memberSummary(std::string_view name);

} // namespace cellvex::automation
