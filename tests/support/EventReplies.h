#pragma once

#include "automation/HResult.h"
#include "automation/MemberTypes.h"
#include "automation/Variant.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace cellvex::test {

// What a test answers to the events: the by-reference arguments arrive by
// pointer and go back to the control as the handler left them. A handler
// may call back into the control, and may clear or replace itself.
struct EventReplies
{
    std::function<void(QString *)> changing; // OnCellChanging's value
    std::function<void(std::int16_t *)> key; // OnKeyPress's key
    std::function<void(QString *)> button;   // OnButtonClick's action list
    std::function<void()> onInput;           // after OnInputChange
    // Last, on the dispatch level: may change any argument; its result is
    // what the sink answers.
    std::function<automation::HResult(automation::DispId, std::vector<automation::Variant> &)> reply;
};

} // namespace cellvex::test
