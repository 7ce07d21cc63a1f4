// Cell scripts and the init script: stored and read by position or alias
// (aInitScript first, so these rows name no cell for the boundary), and run
// on request. Setting first by alias, reading from the last carrier, as the
// alias members do elsewhere.
#include "control/MemberCall.h"
#include "control/MemberRegistry.h"
#include "control/ReportActions.h"

namespace cellvex {

using automation::Variant;
using A = ReportActions;
using M = MemberCall;

namespace {

// A 1-based cell of the call as 0-based indices; false outside the grid.
bool cellOf(A &a, M &m, int colArg, int &col, int &row)
{
    col = m.index(colArg);
    row = m.index(colArg + 1);
    return a.report().contains(col, row);
}

void answerScript(A &a, M &m, bool init, int col, int row, int firstOut)
{
    QString type, text;
    if (init || a.report().contains(col, row))
        a.cellScript(init, col, row, type, text);
    m.out(firstOut, Variant::fromString(type));
    m.out(firstOut + 1, Variant::fromString(text));
}

} // namespace

void registerScriptMembers(MemberRegistry &r)
{
    r.add(MemberId::SetCellScript, [](A &a, M &m) {
        const bool init = m.b(0);
        int col = -1, row = -1;
        if (init || cellOf(a, m, 1, col, row))
            a.setCellScript(init, col, row, m.s(3), m.s(4));
    });
    r.add(MemberId::SetCellScriptByAlias, [](A &a, M &m) {
        const bool init = m.b(0);
        int col = -1, row = -1;
        if (init || a.findAlias(m.s(1), col, row))
            a.setCellScript(init, col, row, m.s(2), m.s(3));
    });
    r.add(MemberId::GetCellScript, [](A &a, M &m) {
        int col = -1, row = -1;
        cellOf(a, m, 1, col, row);
        answerScript(a, m, m.b(0), col, row, 3);
    });
    r.add(MemberId::GetCellScriptByAlias, [](A &a, M &m) {
        const bool init = m.b(0);
        int col = -1, row = -1;
        if (!init && !a.findLastAlias(m.s(1), col, row))
            col = row = -1;
        answerScript(a, m, init, col, row, 2);
    });
    // The boundary finished input and found the cell (by alias the first).
    r.add(MemberId::ExplainCellScript, [](A &a, M &m) { a.explainCellScript(m.col, m.cellRow); });
    // The editor: in-place input stays open for the cell's script; the
    // boundary finished it before the init script's.
    r.add(MemberId::EditCellScript, [](A &a, M &) { a.editCellScript(); });
    r.add(MemberId::EditInitScript, [](A &a, M &) { a.editInitScript(); });
}

} // namespace cellvex
