// "save FILE": stores a small report; "check FILE": opens one and prints it.
var mode = Host.args[0], file = Host.args[1];
if (mode === "save") {
    Cellvex.NewReport(3, 2);
    Cellvex.SetColWidth(1, 80);
    Cellvex.SetRowHeight(1, 19);
    Cellvex.SetCellValue(1, 1, "Apples");
    Cellvex.SetCellValue(2, 1, "3.5");
    Cellvex.SetCellValue(3, 2, "总计");
    Cellvex.SetFontStyleBold(1, 1, true);
    Cellvex.MergeCell(1, 2, 2, 2);
    Cellvex.SaveReport(file);
} else {
    Cellvex.OpenReport(file);
    print("size", Cellvex.ColCount, Cellvex.RowCount, "width", Cellvex.GetColWidth(1), "height", Cellvex.GetRowHeight(1));
    print("values", Cellvex.GetCellValue(1, 1), Cellvex.GetCellValue(2, 1), Cellvex.GetCellValue(3, 2));
    print("bold", Cellvex.GetFontStyleBold(1, 1));
}
