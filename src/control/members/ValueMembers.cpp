// Values of cells: every value from the host goes through the one assignment
// path, which applies the cell's kind and format.
#include "control/MemberCall.h"
#include "control/MemberRegistry.h"
#include "control/ReportActions.h"

namespace cellvex {

void registerValueMembers(MemberRegistry &r)
{
    r.add(MemberId::SetCellValue,
          [](ReportActions &a, MemberCall &m) { a.setCellValue(m.col, m.cellRow, m.s(2)); });
    r.add(MemberId::GetCellValue,
          [](ReportActions &a, MemberCall &m) { m.retString(a.cellValue(m.col, m.cellRow)); });
}

} // namespace cellvex
