// Answers the control's events while a person types: the value being stored
// is upper-cased (OnCellChanging's in/out argument), every change is logged,
// key presses are counted. examples/handle_events.vbs is its VBScript twin.
var changes = "";
var keys = 0;
function Cellvex_OnCellChanging(col, row, value) { return value.toUpperCase(); }
function Cellvex_OnCellChanged(col, row, value) { changes += col + "," + row + "=" + value + "; "; }
function Cellvex_OnKeyPress(key) { keys = keys + 1; }

Cellvex.NewReport(4, 6);
changes = "";
Ui.clickCell(1, 2);
Ui.type("abc");
Ui.key("Enter");
Cellvex.SetCellValue(2, 3, "xyz");
print("item: " + Cellvex.GetCellValue(1, 2));
print("other: " + Cellvex.GetCellValue(2, 3));
print("changes: " + changes);
print("keys: " + (keys >= 3 ? "counted" : "missing"));
print("saved: " + (Cellvex.Saved ? "yes" : "no"));
