// Members of the stored report: files and strings.
#include "control/CellvexControl.h"
#include "control/MemberCall.h"
#include "control/MemberRegistry.h"

namespace cellvex {

void registerDocumentMembers(MemberRegistry &)
{
}

} // namespace cellvex
