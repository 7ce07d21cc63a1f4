// Builds a small price list through the interface, late-bound, and prints it.
Cellvex.NewReport(4, 6);
Cellvex.SetCellAlias(1, 1, "Title");
Cellvex.SetFontSize(1, 1, 14);
Cellvex.SetFontStyleBold(1, 1, true);
Cellvex.SetLabelHAlignment(1, 1, 1);

var items = [["Apples", 3], ["Pears", 5], ["Plums", 2]];
for (var i = 0; i < items.length; i++) {
    Cellvex.SetAppendRange(1, i + 2, 2);
    Cellvex.SetAppendString(1, i + 2, 0, items[i][0]);
    Cellvex.SetAppendString(1, i + 2, 1, String(items[i][1]));
    Cellvex.SetCellBorders(4, i + 2, 3, 1);
}
Cellvex.SetCellBackColor(1, 5, 0xCCFFCC);
Cellvex.HeaderCount = 1;

print("columns:", Cellvex.ColCount, "rows:", Cellvex.RowCount);
print("title alias at:", Cellvex.GetCellReferenceByAlias("Title").join(","));
for (var r = 2; r <= 4; r++)
    print("row", r, Cellvex.GetAppendString(1, r, 0), Cellvex.GetAppendString(1, r, 1));
print("bold title:", Cellvex.GetFontStyleBold(1, 1), "size:", Cellvex.GetFontSize(1, 1));
print("saved:", Cellvex.Saved);
