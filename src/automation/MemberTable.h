#pragma once

#include "automation/MemberId.h"
#include "automation/MemberRow.h"

#include <span>

namespace cellvex::automation {

// The ICellvex vtable begins with IUnknown's three and IDispatch's four slots.
constexpr int kFirstMemberSlot = 7;
constexpr int kMemberCount = 219;

// Every member of ICellvex, in vtable order: memberTable()[i].slot == i + 7.
std::span<const MemberRow> memberTable();

const MemberRow &memberRow(MemberId id);

} // namespace cellvex::automation
