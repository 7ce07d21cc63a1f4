// An order form: each quantity cell carries a script that computes its line's
// amount, the total is a formula, and a button's action list ("4;0")
// recomputes the formulas. The quantities are typed through Ui as a person
// would; examples/scripted_form.vbs is the VBScript twin.
Cellvex.NewReport(4, 6);
var heads = ["商品", "单价", "数量", "金额"];
for (var c = 0; c < heads.length; c++)
    Cellvex.SetCellValue(c + 1, 1, heads[c]);
var items = [["苹果", "12"], ["梨", "8.5"], ["李子", "20"]];
for (var i = 0; i < items.length; i++) {
    var row = i + 2;
    Cellvex.SetCellValue(1, row, items[i][0]);
    Cellvex.SetCellValue(2, row, items[i][1]);
    // "row" in a coordinate is the script cell's own row.
    Cellvex.SetCellScript(false, 3, row, "JavaScript", "setcell(4, row, getcell(2, row, 1) * getcell(3, row, 1));");
}
Cellvex.SetCellValue(3, 5, "合计");
Cellvex.SetCellExpression(4, 5, "sum(4, 2, 4, 4)");
Cellvex.SetButtonCell(4, 6, "重算", "4;0");

Ui.clickCell(3, 2); Ui.type("2"); Ui.key("Enter");
Ui.clickCell(3, 3); Ui.type("4"); Ui.key("Enter");
Ui.clickCell(3, 4); Ui.type("1"); Ui.key("Enter");
Ui.clickCell(4, 6); // the button recomputes the total

for (var r = 2; r <= 4; r++)
    print("line " + r + ": " + Cellvex.GetCellValue(4, r));
print("total: " + Cellvex.GetCellValue(4, 5));
