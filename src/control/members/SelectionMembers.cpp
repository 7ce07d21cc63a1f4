// Members that change the selection or protect the whole report. The
// readers (GetSelectedCell, GetInputingCell) and the selection colour live
// with the other state readers.
#include "control/MemberCall.h"
#include "control/MemberRegistry.h"
#include "control/ReportActions.h"
#include "grid/selection/SelectionController.h"

namespace cellvex {

void registerSelectionMembers(MemberRegistry &r)
{
    // The selection core takes the interface's 1-based values itself.
    r.add(MemberId::SetSelectedCell, [](ReportActions &a, MemberCall &m) {
        a.selection().setSelectedCell(m.i32(0), m.i32(1), m.i32(2), m.i32(3));
    });
    r.add(MemberId::put_ReadOnly, [](ReportActions &a, MemberCall &m) { a.selection().setReadOnly(m.b(0)); });
}

} // namespace cellvex
