// Fills in a small form as a person would: mouse clicks, typed keys, Enter,
// a Chinese input-method commit, a column dragged wider. Every step is a real
// input event on the control's windows, so the events and the checks the
// report applies run exactly as they do for a user.
//
//   cellvex script examples/user_input.js [OUT.png]

var log = [];
Cellvex.NewReport(4, 6);
Cellvex.SetCellValue(1, 1, "项目");
Cellvex.SetCellValue(2, 1, "数量");
Cellvex.SetCellFormat(2, 2, 2, "");   // whole numbers only
Cellvex.SetTextCell(1, 2, 6);        // at most 6 bytes: three Chinese characters

function Cellvex_OnCellChanged(col, row, value) { log.push(col + "," + row + "=" + value); }

log = []; // only what the user changes from here on

// Type an item name through the input method and move on with Enter.
Ui.clickCell(1, 2);
Ui.type("苹果梨子");                  // the fourth character does not fit
Ui.key("Enter");

// The amount: letters are refused by the cell's format.
Ui.clickCell(2, 2);
Ui.type("1x2");
Ui.key("Enter");

// Widen the first column by 40 pixels on its ruler edge.
var before = Cellvex.GetColWidth(1);
Ui.dragPoleEdge(0, 1, 40);

print("item:", Cellvex.GetCellValue(1, 2));
print("amount:", Cellvex.GetCellValue(2, 2));
print("column 1:", before, "->", Cellvex.GetColWidth(1));
print("changes:", log.join("; "));
print("saved:", Cellvex.Saved);
if (Host.args.length > 0)
    Ui.snapshot(Host.args[0]);
