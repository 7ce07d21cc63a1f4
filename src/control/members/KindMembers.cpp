// Cell kinds and the cells' input attributes, and the readers of the input
// state. The setters that change how a cell is edited (kind, format, IME,
// read-only) finish in-place input first, as their rows say, so an open
// editor never outlives the attributes it was opened with; the service sets
// the input cell's editor up again afterwards. The others leave it open.
#include "control/MemberCall.h"
#include "control/MemberRegistry.h"
#include "control/ReportActions.h"
#include "report/CellInputOps.h"
#include "report/CellKindOps.h"

namespace cellvex {

using automation::Variant;
using A = ReportActions;
using M = MemberCall;

void registerKindMembers(MemberRegistry &r)
{
    r.add(MemberId::SetTextCell, [](A &a, M &m) { a.setTextCell(m.col, m.cellRow, m.i32(2)); });
    r.add(MemberId::SetDropCell, [](A &a, M &m) { a.setDropCell(m.col, m.cellRow, m.s(2)); });
    r.add(MemberId::SetDateTimeCell, [](A &a, M &m) { a.setDateTimeCell(m.col, m.cellRow); });
    r.add(MemberId::SetCheckCell, [](A &a, M &m) { a.setCheckCell(m.col, m.cellRow, m.s(2)); });
    r.add(MemberId::SetButtonCell, [](A &a, M &m) { a.setButtonCell(m.col, m.cellRow, m.s(2), m.s(3)); });
    r.add(MemberId::GetCellType, [](A &a, M &m) { m.retLong(cellType(a.report(), m.col, m.cellRow)); });
    r.add(MemberId::GetCellTextLength,
          [](A &a, M &m) { m.retLong(cellTextLength(a.report(), m.col, m.cellRow)); });
    r.add(MemberId::GetCellDropText,
          [](A &a, M &m) { m.retString(cellDropText(a.report(), m.col, m.cellRow)); });
    r.add(MemberId::GetCellCheckText,
          [](A &a, M &m) { m.retString(cellCheckText(a.report(), m.col, m.cellRow)); });
    r.add(MemberId::GetCellButtonText,
          [](A &a, M &m) { m.retString(cellButtonText(a.report(), m.col, m.cellRow)); });
    r.add(MemberId::SetCellPicture, [](A &a, M &m) { a.setPicture(m.col, m.cellRow, m.s(2), m.b(3)); });
    r.add(MemberId::SetCellFormat, [](A &a, M &m) { a.setFormat(m.col, m.cellRow, m.i32(2), m.s(3)); });
    r.add(MemberId::GetCellFormat, [](A &a, M &m) {
        int type = -1;
        QString text;
        cellFormat(a.report(), m.col, m.cellRow, type, text);
        m.out(2, Variant::fromLong(type));
        m.out(3, Variant::fromString(text));
    });
    r.add(MemberId::SetCellIme, [](A &a, M &m) { a.setIme(m.col, m.cellRow, m.s(2)); });
    r.add(MemberId::GetCellIme, [](A &a, M &m) { m.retString(cellIme(a.report(), m.col, m.cellRow)); });
    r.add(MemberId::SetCellReadOnly, [](A &a, M &m) { a.setReadOnly(m.col, m.cellRow, m.b(2)); });
    r.add(MemberId::GetCellReadOnly,
          [](A &a, M &m) { m.retBool(cellReadOnly(a.report(), m.col, m.cellRow)); });
    r.add(MemberId::SetCellPrintHide, [](A &a, M &m) { a.setPrintHide(m.col, m.cellRow, m.b(2)); });
    r.add(MemberId::GetCellPrintHide,
          [](A &a, M &m) { m.retBool(cellPrintHide(a.report(), m.col, m.cellRow)); });
    r.add(MemberId::SetCellNextPos, [](A &a, M &m) {
        // The 1-based target minus one, in 64 bit so that no value can wrap.
        a.setNextPos(m.col, m.cellRow, std::int64_t(m.i32(2)) - 1, std::int64_t(m.i32(3)) - 1);
    });
    r.add(MemberId::GetCellNextPos, [](A &a, M &m) {
        int x = -1, y = -1;
        cellNextPos(a.report(), m.col, m.cellRow, x, y);
        m.out(2, Variant::fromLong(x + 1));
        m.out(3, Variant::fromLong(y + 1));
    });
    // Selection state readers and the two display colours.
    r.add(MemberId::GetSelectedCell, [](A &a, M &m) {
        const QRect s = a.selectedRange();
        const bool none = s.left() < 0;
        m.out(0, Variant::fromLong(none ? -1 : s.left() + 1));
        m.out(1, Variant::fromLong(none ? -1 : s.top() + 1));
        m.out(2, Variant::fromLong(none ? -1 : s.right() + 1));
        m.out(3, Variant::fromLong(none ? -1 : s.bottom() + 1));
    });
    r.add(MemberId::GetInputingCell, [](A &a, M &m) {
        m.out(0, Variant::fromLong(a.report().inputCol() + 1));
        m.out(1, Variant::fromLong(a.report().inputRow() + 1));
    });
    r.add(MemberId::get_InputColor, [](A &a, M &m) { m.retLong(std::int32_t(a.report().inputColor())); });
    r.add(MemberId::put_InputColor, [](A &a, M &m) { a.setInputColor(m.color(0)); });
    r.add(MemberId::get_SelectedColor,
          [](A &a, M &m) { m.retLong(std::int32_t(a.report().selectedColor())); });
    r.add(MemberId::put_SelectedColor, [](A &a, M &m) { a.setSelectedColor(m.color(0)); });
}

} // namespace cellvex
