#pragma once

#include "automation/MemberTypes.h"
#include "automation/Variant.h"

#include <string_view>
#include <vector>

namespace cellvex::test {

// One event as the sink received it: its dispatch id, its name and its
// arguments before any reply changed them.
struct RaisedEvent
{
    automation::DispId dispId = 0;
    std::string_view name;
    std::vector<automation::Variant> args;
};

} // namespace cellvex::test
