#pragma once

#include "automation/TableMacros.h"

namespace cellvex::automation {

// One id per member row, in slot order, named after the row's C++ function
// (SetFontName, get_Visible, put_Visible, putref_Font), so that code naming
// a member by a misspelt or removed name does not compile.
enum class MemberId : int {
#define CELLVEX_MEMBER(slot, dispid, name, kind, ...) CELLVEX_FUNCTION_NAME(kind, name),
#include "automation/Members.def"
};

// Index of the member's row in memberTable().
constexpr int rowIndexOf(MemberId id)
{
    return static_cast<int>(id);
}

} // namespace cellvex::automation
