// Cell attribute members. The boundary has already checked the cell; the
// alias forms reach these through their coordinate twins.
#include "control/CellvexControl.h"
#include "control/MemberCall.h"
#include "control/MemberRegistry.h"

namespace cellvex {

namespace {
// 1-based coordinates of the call's (checked) cell.
int C(const MemberCall &m)
{
    return m.col + 1;
}
int R(const MemberCall &m)
{
    return m.cellRow + 1;
}
} // namespace

void registerCellMembers(MemberRegistry &r)
{
    r.add(MemberId::SetFontName, [](CellvexControl &c, MemberCall &m) { c.SetFontName(C(m), R(m), m.s(2)); });
    r.add(MemberId::GetFontName,
          [](CellvexControl &c, MemberCall &m) { m.retString(c.GetFontName(C(m), R(m))); });
    r.add(MemberId::SetFontSize,
          [](CellvexControl &c, MemberCall &m) { c.SetFontSize(C(m), R(m), m.i32(2)); });
    r.add(MemberId::GetFontSize,
          [](CellvexControl &c, MemberCall &m) { m.retLong(c.GetFontSize(C(m), R(m))); });
    r.add(MemberId::SetFontColor,
          [](CellvexControl &c, MemberCall &m) { c.SetFontColor(C(m), R(m), m.color(2)); });
    r.add(MemberId::GetFontColor,
          [](CellvexControl &c, MemberCall &m) { m.retLong(std::int32_t(c.GetFontColor(C(m), R(m)))); });
    r.add(MemberId::SetFontStyleBold,
          [](CellvexControl &c, MemberCall &m) { c.SetFontStyleBold(C(m), R(m), m.b(2)); });
    r.add(MemberId::SetFontStyleItalic,
          [](CellvexControl &c, MemberCall &m) { c.SetFontStyleItalic(C(m), R(m), m.b(2)); });
    r.add(MemberId::SetFontStyleUnderline,
          [](CellvexControl &c, MemberCall &m) { c.SetFontStyleUnderline(C(m), R(m), m.b(2)); });
    r.add(MemberId::SetFontStyleStrikeout,
          [](CellvexControl &c, MemberCall &m) { c.SetFontStyleStrikeout(C(m), R(m), m.b(2)); });
    r.add(MemberId::GetFontStyleBold,
          [](CellvexControl &c, MemberCall &m) { m.retBool(c.GetFontStyleBold(C(m), R(m))); });
    r.add(MemberId::GetFontStyleItalic,
          [](CellvexControl &c, MemberCall &m) { m.retBool(c.GetFontStyleItalic(C(m), R(m))); });
    r.add(MemberId::GetFontStyleUnderline,
          [](CellvexControl &c, MemberCall &m) { m.retBool(c.GetFontStyleUnderline(C(m), R(m))); });
    r.add(MemberId::GetFontStyleStrikeout,
          [](CellvexControl &c, MemberCall &m) { m.retBool(c.GetFontStyleStrikeout(C(m), R(m))); });
    r.add(MemberId::SetLabelHAlignment,
          [](CellvexControl &c, MemberCall &m) { c.SetLabelHAlignment(C(m), R(m), m.i32(2)); });
    r.add(MemberId::GetLabelHAlignment,
          [](CellvexControl &c, MemberCall &m) { m.retLong(c.GetLabelHAlignment(C(m), R(m))); });
    r.add(MemberId::SetLabelVAlignment,
          [](CellvexControl &c, MemberCall &m) { c.SetLabelVAlignment(C(m), R(m), m.i32(2)); });
    r.add(MemberId::GetLabelVAlignment,
          [](CellvexControl &c, MemberCall &m) { m.retLong(c.GetLabelVAlignment(C(m), R(m))); });
    r.add(MemberId::SetCellBorders,
          [](CellvexControl &c, MemberCall &m) { c.SetCellBorders(C(m), R(m), m.i32(2), m.i32(3)); });
    r.add(MemberId::GetCellBorders,
          [](CellvexControl &c, MemberCall &m) { m.retLong(c.GetCellBorders(C(m), R(m), m.i32(2))); });
    r.add(MemberId::SetCellBackColor,
          [](CellvexControl &c, MemberCall &m) { c.SetCellBackColor(C(m), R(m), m.color(2)); });
    r.add(MemberId::GetCellBackColor,
          [](CellvexControl &c, MemberCall &m) { m.retLong(std::int32_t(c.GetCellBackColor(C(m), R(m)))); });
    r.add(MemberId::SetMultiLine,
          [](CellvexControl &c, MemberCall &m) { c.SetMultiLine(C(m), R(m), m.b(2)); });
    r.add(MemberId::GetMultiLine,
          [](CellvexControl &c, MemberCall &m) { m.retBool(c.GetMultiLine(C(m), R(m))); });
    r.add(MemberId::SetCellAlias,
          [](CellvexControl &c, MemberCall &m) { c.SetCellAlias(C(m), R(m), m.s(2)); });
    r.add(MemberId::GetCellAlias,
          [](CellvexControl &c, MemberCall &m) { m.retString(c.GetCellAlias(C(m), R(m))); });
    r.add(MemberId::DeleteAlias, [](CellvexControl &c, MemberCall &m) { c.DeleteAlias(m.s(0)); });
    r.add(MemberId::GetAllAlias, [](CellvexControl &c, MemberCall &m) { m.retString(c.GetAllAlias()); });
    r.add(MemberId::GetCellReferenceByAlias, [](CellvexControl &c, MemberCall &m) {
        int col = -1, row = -1;
        c.GetCellReferenceByAlias(m.s(0), col, row);
        m.out(1, automation::Variant::fromLong(col));
        m.out(2, automation::Variant::fromLong(row));
    });
    r.add(MemberId::SetAppendRange,
          [](CellvexControl &c, MemberCall &m) { c.SetAppendRange(C(m), R(m), m.i32(2)); });
    r.add(MemberId::GetAppendRange,
          [](CellvexControl &c, MemberCall &m) { m.retLong(c.GetAppendRange(C(m), R(m))); });
    r.add(MemberId::SetAppendString,
          [](CellvexControl &c, MemberCall &m) { c.SetAppendString(C(m), R(m), m.i32(2), m.s(3)); });
    r.add(MemberId::GetAppendString,
          [](CellvexControl &c, MemberCall &m) { m.retString(c.GetAppendString(C(m), R(m), m.i32(2))); });
}

} // namespace cellvex
