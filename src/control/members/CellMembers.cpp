// Cell attribute members. The boundary has already checked the cell; the
// alias forms reach these through their coordinate twins.
#include "control/MemberCall.h"
#include "control/MemberRegistry.h"
#include "control/ReportActions.h"

namespace cellvex {

using A = ReportActions;
using M = MemberCall;

void registerCellMembers(MemberRegistry &r)
{
    r.add(MemberId::SetFontName, [](A &a, M &m) { a.setFontName(m.col, m.cellRow, m.s(2)); });
    r.add(MemberId::GetFontName, [](A &a, M &m) { m.retString(a.fontName(m.col, m.cellRow)); });
    r.add(MemberId::SetFontSize, [](A &a, M &m) { a.setFontSize(m.col, m.cellRow, m.i32(2)); });
    r.add(MemberId::GetFontSize, [](A &a, M &m) { m.retLong(a.fontSize(m.col, m.cellRow)); });
    r.add(MemberId::SetFontColor, [](A &a, M &m) { a.setFontColor(m.col, m.cellRow, m.color(2)); });
    r.add(MemberId::GetFontColor, [](A &a, M &m) { m.retLong(std::int32_t(a.fontColor(m.col, m.cellRow))); });
    r.add(MemberId::SetFontStyleBold, [](A &a, M &m) { a.setFontStyle(m.col, m.cellRow, 0, m.b(2)); });
    r.add(MemberId::SetFontStyleItalic, [](A &a, M &m) { a.setFontStyle(m.col, m.cellRow, 1, m.b(2)); });
    r.add(MemberId::SetFontStyleUnderline, [](A &a, M &m) { a.setFontStyle(m.col, m.cellRow, 2, m.b(2)); });
    r.add(MemberId::SetFontStyleStrikeout, [](A &a, M &m) { a.setFontStyle(m.col, m.cellRow, 3, m.b(2)); });
    r.add(MemberId::GetFontStyleBold, [](A &a, M &m) { m.retBool(a.fontStyle(m.col, m.cellRow, 0)); });
    r.add(MemberId::GetFontStyleItalic, [](A &a, M &m) { m.retBool(a.fontStyle(m.col, m.cellRow, 1)); });
    r.add(MemberId::GetFontStyleUnderline, [](A &a, M &m) { m.retBool(a.fontStyle(m.col, m.cellRow, 2)); });
    r.add(MemberId::GetFontStyleStrikeout, [](A &a, M &m) { m.retBool(a.fontStyle(m.col, m.cellRow, 3)); });
    r.add(MemberId::SetLabelHAlignment, [](A &a, M &m) { a.setHAlignment(m.col, m.cellRow, m.i32(2)); });
    r.add(MemberId::GetLabelHAlignment, [](A &a, M &m) { m.retLong(a.hAlignment(m.col, m.cellRow)); });
    r.add(MemberId::SetLabelVAlignment, [](A &a, M &m) { a.setVAlignment(m.col, m.cellRow, m.i32(2)); });
    r.add(MemberId::GetLabelVAlignment, [](A &a, M &m) { m.retLong(a.vAlignment(m.col, m.cellRow)); });
    r.add(MemberId::SetCellBorders, [](A &a, M &m) { a.setBorder(m.col, m.cellRow, m.i32(2), m.i32(3)); });
    r.add(MemberId::GetCellBorders, [](A &a, M &m) { m.retLong(a.border(m.col, m.cellRow, m.i32(2))); });
    r.add(MemberId::SetCellBackColor, [](A &a, M &m) { a.setBackColor(m.col, m.cellRow, m.color(2)); });
    r.add(MemberId::GetCellBackColor,
          [](A &a, M &m) { m.retLong(std::int32_t(a.backColor(m.col, m.cellRow))); });
    r.add(MemberId::SetMultiLine, [](A &a, M &m) { a.setMultiLine(m.col, m.cellRow, m.b(2)); });
    r.add(MemberId::GetMultiLine, [](A &a, M &m) { m.retBool(a.multiLine(m.col, m.cellRow)); });
    r.add(MemberId::SetCellAlias, [](A &a, M &m) { a.setAlias(m.col, m.cellRow, m.s(2)); });
    r.add(MemberId::GetCellAlias, [](A &a, M &m) { m.retString(a.alias(m.col, m.cellRow)); });
    r.add(MemberId::DeleteAlias, [](A &a, M &m) { a.deleteAlias(m.s(0)); });
    r.add(MemberId::GetAllAlias, [](A &a, M &m) { m.retString(a.allAliases()); });
    r.add(MemberId::GetCellReferenceByAlias, [](A &a, M &m) {
        int col = -1, row = -1;
        const bool found = a.findAlias(m.s(0), col, row);
        m.out(1, automation::Variant::fromLong(found ? col + 1 : -1));
        m.out(2, automation::Variant::fromLong(found ? row + 1 : -1));
    });
    r.add(MemberId::SetAppendRange, [](A &a, M &m) { a.setAppendRange(m.col, m.cellRow, m.i32(2)); });
    r.add(MemberId::GetAppendRange, [](A &a, M &m) { m.retLong(a.appendRange(m.col, m.cellRow)); });
    r.add(MemberId::SetAppendString,
          [](A &a, M &m) { a.setAppendString(m.col, m.cellRow, m.i32(2), m.s(3)); });
    r.add(MemberId::GetAppendString,
          [](A &a, M &m) { m.retString(a.appendString(m.col, m.cellRow, m.i32(2))); });
}

} // namespace cellvex
