// Members of columns and rows appended, inserted and deleted; merged blocks; fill, find and replace.
#include "control/CellvexControl.h"
#include "control/MemberCall.h"
#include "control/MemberRegistry.h"

namespace cellvex {

void registerStructureMembers(MemberRegistry &)
{
}

} // namespace cellvex
