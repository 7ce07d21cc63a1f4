// Members that change the selection or protect the whole report. The
// readers (GetSelectedCell, GetInputingCell) and the selection colour live
// with the other state readers.
#include "control/CellvexControl.h"
#include "control/MemberCall.h"
#include "control/MemberRegistry.h"
#include "grid/selection/SelectionController.h"

namespace cellvex {

void registerSelectionMembers(MemberRegistry &r)
{
    r.add(MemberId::SetSelectedCell, [](CellvexControl &c, MemberCall &m) {
        c.selection().setSelectedCell(m.i32(0), m.i32(1), m.i32(2), m.i32(3));
    });
    r.add(MemberId::put_ReadOnly,
          [](CellvexControl &c, MemberCall &m) { c.selection().setReadOnly(m.b(0)); });
}

} // namespace cellvex
