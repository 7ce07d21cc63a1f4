// Members of the report as HTML and as separated text.
#include "control/CellvexControl.h"
#include "control/MemberCall.h"
#include "control/MemberRegistry.h"

namespace cellvex {

void registerExportMembers(MemberRegistry &)
{
}

} // namespace cellvex
