// Values of cells: every value from the host goes through the one assignment
// path, which applies the cell's kind and format.
#include "control/CellvexControl.h"
#include "control/MemberCall.h"
#include "control/MemberRegistry.h"
#include "grid/CellValues.h"

namespace cellvex {

void registerValueMembers(MemberRegistry &r)
{
    r.add(MemberId::SetCellValue, [](CellvexControl &c, MemberCall &m) {
        c.report().setEditing(false);
        setCellValue(c.report(), m.col, m.cellRow, m.s(2));
    });
    r.add(MemberId::GetCellValue,
          [](CellvexControl &c, MemberCall &m) { m.retString(getCellValue(c.report(), m.col, m.cellRow)); });
}

} // namespace cellvex
