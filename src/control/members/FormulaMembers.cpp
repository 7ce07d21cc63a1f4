// Cell formulas: stored as text, computed only when the host asks. The
// boundary has already finished pending input for the Explain members,
// resolved the alias forms and answered for cells outside the grid.
#include "control/CellvexControl.h"
#include "control/MemberCall.h"
#include "control/MemberRegistry.h"
#include "formula/Expressions.h"

namespace cellvex {

namespace {

// Formula failures become OnError, which is skipped when no host listens.
FormulaErrorHandler errorEvent(CellvexControl &c)
{
    return [&c](const QString &message) { c.events().error(message); };
}

} // namespace

void registerFormulaMembers(MemberRegistry &r)
{
    r.add(MemberId::SetCellExpression,
          [](CellvexControl &c, MemberCall &m) { setCellExpression(c.report(), m.col, m.cellRow, m.s(2)); });
    r.add(MemberId::GetCellExpression, [](CellvexControl &c, MemberCall &m) {
        m.retString(getCellExpression(c.report(), m.col, m.cellRow));
    });
    r.add(MemberId::ExplainCellExpression, [](CellvexControl &c, MemberCall &m) {
        explainCellExpression(c.report(), m.col, m.cellRow, errorEvent(c));
    });
    r.add(MemberId::ExplainAllExpression, [](CellvexControl &c, MemberCall &m) {
        explainAllExpression(c.report(), m.i32(0), errorEvent(c));
    });
}

} // namespace cellvex
