#pragma once

#include "automation/ErrorInfo.h"
#include "automation/Variant.h"

#include <vector>

namespace cellvex {

class ReportActions;

// The one boundary every interface member runs through: finish in-place
// input when the member's row says so, find the cell the row's target names
// (an alias form runs as its coordinate twin on the first or last cell
// carrying the alias; the empty alias matches nothing), check aCol/aRow
// against the grid (outside it a setter does nothing and a getter answers its
// empty value), run the implementation, and turn anything thrown into a
// failing result whose message becomes the error description. Nothing escapes.
automation::HResult runMember(ReportActions &actions, int rowIndex, std::vector<automation::Variant> &args,
                              automation::Variant *result, automation::ErrorInfo &errors);

// Names of the members that have no implementation yet.
std::vector<QString> unimplementedMembers();

} // namespace cellvex
