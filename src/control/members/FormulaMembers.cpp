// Cell formulas: stored as text, computed only when the host asks. The
// boundary has already finished pending input for the Explain members,
// resolved the alias forms and answered for cells outside the grid.
#include "control/MemberCall.h"
#include "control/MemberRegistry.h"
#include "control/ReportActions.h"
#include "formula/Expressions.h"

namespace cellvex {

void registerFormulaMembers(MemberRegistry &r)
{
    r.add(MemberId::SetCellExpression,
          [](ReportActions &a, MemberCall &m) { setCellExpression(a.report(), m.col, m.cellRow, m.s(2)); });
    r.add(MemberId::GetCellExpression, [](ReportActions &a, MemberCall &m) {
        m.retString(getCellExpression(a.report(), m.col, m.cellRow));
    });
    r.add(MemberId::ExplainCellExpression,
          [](ReportActions &a, MemberCall &m) { a.explainCellExpression(m.col, m.cellRow); });
    r.add(MemberId::ExplainAllExpression,
          [](ReportActions &a, MemberCall &m) { a.explainAllExpression(m.i32(0)); });
}

} // namespace cellvex
