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
    r.method("SetTextCell",
             [](CellvexControl &c, MemberCall &m) { setTextCell(c.report(), m.col, m.cellRow, m.i32(2)); });
    r.method("SetDropCell",
             [](CellvexControl &c, MemberCall &m) { setDropCell(c.report(), m.col, m.cellRow, m.s(2)); });
    r.method("SetDateTimeCell",
             [](CellvexControl &c, MemberCall &m) { setDateTimeCell(c.report(), m.col, m.cellRow); });
    r.method("SetCheckCell",
             [](CellvexControl &c, MemberCall &m) { setCheckCell(c.report(), m.col, m.cellRow, m.s(2)); });
    r.method("SetButtonCell", [](CellvexControl &c, MemberCall &m) {
        setButtonCell(c.report(), m.col, m.cellRow, m.s(2), m.s(3));
    });
    r.method("GetCellType",
             [](CellvexControl &c, MemberCall &m) { m.retLong(cellType(c.report(), m.col, m.cellRow)); });
    r.method("GetCellTextLength", [](CellvexControl &c, MemberCall &m) {
        m.retLong(cellTextLength(c.report(), m.col, m.cellRow));
    });
    r.method("GetCellDropText", [](CellvexControl &c, MemberCall &m) {
        m.retString(cellDropText(c.report(), m.col, m.cellRow));
    });
    r.method("GetCellCheckText", [](CellvexControl &c, MemberCall &m) {
        m.retString(cellCheckText(c.report(), m.col, m.cellRow));
    });
    r.method("GetCellButtonText", [](CellvexControl &c, MemberCall &m) {
        m.retString(cellButtonText(c.report(), m.col, m.cellRow));
    });
    r.method("SetCellPicture", [](CellvexControl &c, MemberCall &m) {
        setCellPicture(c.report(), m.col, m.cellRow, m.s(2), m.b(3));
    });
    r.method("SetCellFormat", [](CellvexControl &c, MemberCall &m) {
        setCellFormat(c.report(), m.col, m.cellRow, m.i32(2), m.s(3));
    });
    r.method("GetCellFormat", [](CellvexControl &c, MemberCall &m) {
        int type = -1;
        QString text;
        cellFormat(c.report(), m.col, m.cellRow, type, text);
        m.out(2, Variant::fromLong(type));
        m.out(3, Variant::fromString(text));
    });
    r.method("SetCellIme",
             [](CellvexControl &c, MemberCall &m) { setCellIme(c.report(), m.col, m.cellRow, m.s(2)); });
    r.method("GetCellIme",
             [](CellvexControl &c, MemberCall &m) { m.retString(cellIme(c.report(), m.col, m.cellRow)); });
    r.method("SetCellReadOnly",
             [](CellvexControl &c, MemberCall &m) { setCellReadOnly(c.report(), m.col, m.cellRow, m.b(2)); });
    r.method("GetCellReadOnly",
             [](CellvexControl &c, MemberCall &m) { m.retBool(cellReadOnly(c.report(), m.col, m.cellRow)); });
    r.method("SetCellPrintHide", [](CellvexControl &c, MemberCall &m) {
        setCellPrintHide(c.report(), m.col, m.cellRow, m.b(2));
    });
    r.method("GetCellPrintHide", [](CellvexControl &c, MemberCall &m) {
        m.retBool(cellPrintHide(c.report(), m.col, m.cellRow));
    });
    r.method("SetCellNextPos", [](CellvexControl &c, MemberCall &m) {
        // The 1-based target minus one, in 64 bit so that no value can wrap.
        setCellNextPos(c.report(), m.col, m.cellRow, std::int64_t(m.i32(2)) - 1, std::int64_t(m.i32(3)) - 1);
    });
    r.method("GetCellNextPos", [](CellvexControl &c, MemberCall &m) {
        int x = -1, y = -1;
        cellNextPos(c.report(), m.col, m.cellRow, x, y);
        m.out(2, Variant::fromLong(x + 1));
        m.out(3, Variant::fromLong(y + 1));
    });
    // Selection state readers and the two display colours.
    r.method("GetSelectedCell", [](CellvexControl &c, MemberCall &m) {
        int a = -1, b = -1, d = -1, e = -1;
        c.GetSelectedCell(a, b, d, e);
        m.out(0, Variant::fromLong(a));
        m.out(1, Variant::fromLong(b));
        m.out(2, Variant::fromLong(d));
        m.out(3, Variant::fromLong(e));
    });
    r.method("GetInputingCell", [](CellvexControl &c, MemberCall &m) {
        int a = 0, b = 0;
        c.GetInputingCell(a, b);
        m.out(0, Variant::fromLong(a));
        m.out(1, Variant::fromLong(b));
    });
    r.get("InputColor",
          [](CellvexControl &c, MemberCall &m) { m.retLong(std::int32_t(c.report().inputColor())); });
    r.put("InputColor", [](CellvexControl &c, MemberCall &m) { c.setInputColor(m.color(0)); });
    r.get("SelectedColor",
          [](CellvexControl &c, MemberCall &m) { m.retLong(std::int32_t(c.report().selectedColor())); });
    r.put("SelectedColor", [](CellvexControl &c, MemberCall &m) { c.setSelectedColor(m.color(0)); });
}

} // namespace cellvex
