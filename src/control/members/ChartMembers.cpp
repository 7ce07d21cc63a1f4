// Chart cells: the kind with its title and axis texts, the series, and the
// readers of both. The alias form of AddChartSeries reaches its twin by the
// boundary's alias lookup; the clearing member's name is spelt as hosts bind
// to it and has no twin, so it looks its cell up itself.
#include "control/MemberCall.h"
#include "control/MemberRegistry.h"
#include "control/ReportActions.h"
#include "report/ChartCellOps.h"

namespace cellvex {

using automation::Variant;
using A = ReportActions;
using M = MemberCall;

void registerChartMembers(MemberRegistry &r)
{
    r.add(MemberId::SetChartCell,
          [](A &a, M &m) { a.setChartCell(m.col, m.cellRow, m.s(2), m.s(3), m.s(4)); });
    r.add(MemberId::AddChartSeries,
          [](A &a, M &m) { a.addChartSeries(m.col, m.cellRow, m.i32(2), m.s(3), m.s(4)); });
    r.add(MemberId::ClearChartSeries, [](A &a, M &m) { a.clearChartSeries(m.col, m.cellRow); });
    r.add(MemberId::ClearChartSereisByAlias, [](A &a, M &m) { a.clearChartSeriesByAlias(m.s(0)); });
    r.add(MemberId::GetCellChartText, [](A &a, M &m) {
        QString title, horizontal, vertical;
        chartTexts(a.report(), m.col, m.cellRow, title, horizontal, vertical);
        m.out(2, Variant::fromString(title));
        m.out(3, Variant::fromString(horizontal));
        m.out(4, Variant::fromString(vertical));
    });
    r.add(MemberId::GetCellAllSeriesesText,
          [](A &a, M &m) { m.retString(allSeriesText(a.report(), m.col, m.cellRow)); });
}

} // namespace cellvex
