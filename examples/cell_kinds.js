// Shows one cell of every kind, with formats, borders, a diagonal and a
// merged-looking title row, and saves a picture of the control.
// Usage: cellvex script examples/cell_kinds.js [OUT.png]
Cellvex.NewReport(5, 12);
Cellvex.SetColWidth(1, 110);
Cellvex.SetCellValue(1, 1, "单元格种类");
Cellvex.SetFontStyleBold(1, 1, true);
Cellvex.SetFontSize(1, 1, 12);

Cellvex.SetCellValue(1, 2, "文本");
Cellvex.SetTextCell(2, 2, 8);
Cellvex.SetCellValue(2, 2, "abcdefghijk");          // cut to 8 bytes

Cellvex.SetCellValue(1, 3, "下拉");
Cellvex.SetDropCell(2, 3, "甲\r\n乙\r\n丙");
Cellvex.SetCellValue(2, 3, "乙");

Cellvex.SetCellValue(1, 4, "日期");
Cellvex.SetDateTimeCell(2, 4);
Cellvex.SetCellValue(2, 4, "2026-12-09");

Cellvex.SetCellValue(1, 5, "复选");
Cellvex.SetCheckCell(2, 5, "同意");
Cellvex.SetCellValue(2, 5, "1");

Cellvex.SetCellValue(1, 6, "按钮");
Cellvex.SetButtonCell(2, 6, "执行", "");

Cellvex.SetCellValue(1, 7, "数值 #,##0.00");
Cellvex.SetCellFormat(2, 7, 3, "#,##0.00");
Cellvex.SetCellValue(2, 7, "1234567.891");
Cellvex.SetLabelHAlignment(2, 7, 2);

Cellvex.SetCellValue(1, 8, "有效数字 3");
Cellvex.SetCellFormat(2, 8, 11, "3");
Cellvex.SetCellValue(2, 8, "3.14159");

Cellvex.SetCellValue(1, 9, "斜线与边框");
Cellvex.SetCellBorders(2, 9, 0, 1);
Cellvex.SetCellBorders(2, 9, 3, 2);
Cellvex.SetCellBorders(2, 9, 4, 2);
Cellvex.SetCellBackColor(2, 9, 0xCCFFFF);

Cellvex.SetCellValue(1, 10, "多行文本");
Cellvex.SetMultiLine(2, 10, true);
Cellvex.SetRowHeight(10, 40);
Cellvex.SetCellValue(2, 10, "很长的一段文字会在单元格里折成几行显示");

for (var r = 2; r <= 10; r++)
    print(r, Cellvex.GetCellValue(1, r), "type", Cellvex.GetCellType(2, r), "=", Cellvex.GetCellValue(2, r));

var out = Host.args.length > 0 ? Host.args[0] : "out/cell_kinds.png";
Host.resize(640, 480);
print("snapshot", out, Host.snapshot(out) ? "written" : "FAILED");
