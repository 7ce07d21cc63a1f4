// Cell kinds and the cells' input attributes, and the readers of the input
// state. The setters that change how a cell is edited (kind, format, IME,
// read-only) finish in-place input first, as their rows say, so an open
// editor never outlives the attributes it was opened with; the others leave
// it open.
#include "control/CellvexControl.h"
#include "control/MemberCall.h"
#include "control/MemberRegistry.h"
#include "report/CellInputOps.h"
#include "report/CellKindOps.h"

namespace cellvex {

using automation::Variant;

void registerKindMembers(MemberRegistry &r)
{
    r.add(MemberId::SetTextCell,
          [](CellvexControl &c, MemberCall &m) { setTextCell(c.report(), m.col, m.cellRow, m.i32(2)); });
    r.add(MemberId::SetDropCell,
          [](CellvexControl &c, MemberCall &m) { setDropCell(c.report(), m.col, m.cellRow, m.s(2)); });
    r.add(MemberId::SetDateTimeCell,
          [](CellvexControl &c, MemberCall &m) { setDateTimeCell(c.report(), m.col, m.cellRow); });
    r.add(MemberId::SetCheckCell,
          [](CellvexControl &c, MemberCall &m) { setCheckCell(c.report(), m.col, m.cellRow, m.s(2)); });
    r.add(MemberId::SetButtonCell, [](CellvexControl &c, MemberCall &m) {
        setButtonCell(c.report(), m.col, m.cellRow, m.s(2), m.s(3));
    });
    r.add(MemberId::GetCellType,
          [](CellvexControl &c, MemberCall &m) { m.retLong(cellType(c.report(), m.col, m.cellRow)); });
    r.add(MemberId::GetCellTextLength,
          [](CellvexControl &c, MemberCall &m) { m.retLong(cellTextLength(c.report(), m.col, m.cellRow)); });
    r.add(MemberId::GetCellDropText,
          [](CellvexControl &c, MemberCall &m) { m.retString(cellDropText(c.report(), m.col, m.cellRow)); });
    r.add(MemberId::GetCellCheckText,
          [](CellvexControl &c, MemberCall &m) { m.retString(cellCheckText(c.report(), m.col, m.cellRow)); });
    r.add(MemberId::GetCellButtonText, [](CellvexControl &c, MemberCall &m) {
        m.retString(cellButtonText(c.report(), m.col, m.cellRow));
    });
    r.add(MemberId::SetCellPicture, [](CellvexControl &c, MemberCall &m) {
        setCellPicture(c.report(), m.col, m.cellRow, m.s(2), m.b(3));
    });
    r.add(MemberId::SetCellFormat, [](CellvexControl &c, MemberCall &m) {
        setCellFormat(c.report(), m.col, m.cellRow, m.i32(2), m.s(3));
    });
    r.add(MemberId::GetCellFormat, [](CellvexControl &c, MemberCall &m) {
        int type = -1;
        QString text;
        cellFormat(c.report(), m.col, m.cellRow, type, text);
        m.out(2, Variant::fromLong(type));
        m.out(3, Variant::fromString(text));
    });
    r.add(MemberId::SetCellIme,
          [](CellvexControl &c, MemberCall &m) { setCellIme(c.report(), m.col, m.cellRow, m.s(2)); });
    r.add(MemberId::GetCellIme,
          [](CellvexControl &c, MemberCall &m) { m.retString(cellIme(c.report(), m.col, m.cellRow)); });
    r.add(MemberId::SetCellReadOnly,
          [](CellvexControl &c, MemberCall &m) { setCellReadOnly(c.report(), m.col, m.cellRow, m.b(2)); });
    r.add(MemberId::GetCellReadOnly,
          [](CellvexControl &c, MemberCall &m) { m.retBool(cellReadOnly(c.report(), m.col, m.cellRow)); });
    r.add(MemberId::SetCellPrintHide,
          [](CellvexControl &c, MemberCall &m) { setCellPrintHide(c.report(), m.col, m.cellRow, m.b(2)); });
    r.add(MemberId::GetCellPrintHide,
          [](CellvexControl &c, MemberCall &m) { m.retBool(cellPrintHide(c.report(), m.col, m.cellRow)); });
    r.add(MemberId::SetCellNextPos, [](CellvexControl &c, MemberCall &m) {
        // The 1-based target minus one, in 64 bit so that no value can wrap.
        setCellNextPos(c.report(), m.col, m.cellRow, std::int64_t(m.i32(2)) - 1, std::int64_t(m.i32(3)) - 1);
    });
    r.add(MemberId::GetCellNextPos, [](CellvexControl &c, MemberCall &m) {
        int x = -1, y = -1;
        cellNextPos(c.report(), m.col, m.cellRow, x, y);
        m.out(2, Variant::fromLong(x + 1));
        m.out(3, Variant::fromLong(y + 1));
    });
    // Selection state readers and the two display colours.
    r.add(MemberId::GetSelectedCell, [](CellvexControl &c, MemberCall &m) {
        int a = -1, b = -1, d = -1, e = -1;
        c.GetSelectedCell(a, b, d, e);
        m.out(0, Variant::fromLong(a));
        m.out(1, Variant::fromLong(b));
        m.out(2, Variant::fromLong(d));
        m.out(3, Variant::fromLong(e));
    });
    r.add(MemberId::GetInputingCell, [](CellvexControl &c, MemberCall &m) {
        int a = 0, b = 0;
        c.GetInputingCell(a, b);
        m.out(0, Variant::fromLong(a));
        m.out(1, Variant::fromLong(b));
    });
    r.add(MemberId::get_InputColor,
          [](CellvexControl &c, MemberCall &m) { m.retLong(std::int32_t(c.report().inputColor())); });
    r.add(MemberId::put_InputColor, [](CellvexControl &c, MemberCall &m) { c.setInputColor(m.color(0)); });
    r.add(MemberId::get_SelectedColor,
          [](CellvexControl &c, MemberCall &m) { m.retLong(std::int32_t(c.report().selectedColor())); });
    r.add(MemberId::put_SelectedColor,
          [](CellvexControl &c, MemberCall &m) { c.setSelectedColor(m.color(0)); });
}

} // namespace cellvex
