// The account-book sample (帐表.cvd): an entry form with a drop-down, date
// and check cells, formulas for the balance and a button that recomputes them.
//   cellvex script account.js OUT.cvd
var out = Host.args[0];
var lines = 12;
Cellvex.NewReport(7, lines + 5);
var widths = [90, 130, 70, 80, 80, 56, 80];
for (var c = 0; c < widths.length; c++)
    Cellvex.SetColWidth(c + 1, widths[c]);

Cellvex.MergeCell(1, 1, 7, 1);
Cellvex.SetRowHeight(1, 32);
Cellvex.SetCellValue(1, 1, "现金日记帐");
Cellvex.SetFontSize(1, 1, 15);
Cellvex.SetFontStyleBold(1, 1, true);
Cellvex.SetLabelHAlignment(1, 1, 1);
Cellvex.SetLabelVAlignment(1, 1, 1);

var heads = ["日期", "摘要", "类别", "收入", "支出", "已核对", "余额"];
for (var c = 0; c < heads.length; c++) {
    Cellvex.SetCellValue(c + 1, 2, heads[c]);
    Cellvex.SetFontStyleBold(c + 1, 2, true);
    Cellvex.SetLabelHAlignment(c + 1, 2, 1);
    Cellvex.SetCellBackColor(c + 1, 2, 0xE8D8C0);
}
var entries = [
    ["2026-12-01", "期初结存", "其他", "5000", ""],
    ["2026-12-02", "办公用品", "办公", "", "320.50"],
    ["2026-12-03", "销售收入", "销售", "2800", ""],
    ["2026-12-05", "差旅费报销", "差旅", "", "1260"],
    ["2026-12-08", "水电费", "办公", "", "486.20"]
];
for (var i = 0; i < lines; i++) {
    var r = i + 3;
    Cellvex.SetDateTimeCell(1, r);
    Cellvex.SetDropCell(3, r, "办公\r\n销售\r\n差旅\r\n其他");
    Cellvex.SetCheckCell(6, r, "");
    for (var c = 4; c <= 5; c++) {
        Cellvex.SetCellFormat(c, r, 3, "0.00");
        Cellvex.SetLabelHAlignment(c, r, 2);
    }
    Cellvex.SetCellFormat(7, r, 3, "0.00");
    Cellvex.SetLabelHAlignment(7, r, 2);
    Cellvex.SetCellReadOnly(7, r, true);
    Cellvex.SetCellBackColor(7, r, 0xF4F4F4);
    Cellvex.SetCellExpression(7, r, (i == 0 ? "" : "getcell(7, row - 1) + ") + "getcell(4, row) - getcell(5, row)");
    if (i < entries.length) {
        var e = entries[i];
        Cellvex.SetCellValue(1, r, e[0]);
        Cellvex.SetCellValue(2, r, e[1]);
        Cellvex.SetCellValue(3, r, e[2]);
        Cellvex.SetCellValue(4, r, e[3]);
        Cellvex.SetCellValue(5, r, e[4]);
        Cellvex.SetCellValue(6, r, i < 3 ? "1" : "0");
    }
}
var total = lines + 3;
Cellvex.SetCellValue(3, total, "合计");
Cellvex.SetFontStyleBold(3, total, true);
Cellvex.SetLabelHAlignment(3, total, 1);
for (var c = 4; c <= 5; c++) {
    Cellvex.SetCellFormat(c, total, 3, "0.00");
    Cellvex.SetLabelHAlignment(c, total, 2);
    Cellvex.SetCellExpression(c, total, "sum(" + c + ", 3, " + c + ", " + (lines + 2) + ")");
    Cellvex.SetFontStyleBold(c, total, true);
}
Cellvex.SetButtonCell(7, lines + 5, "重新计算", "4;0");
for (var c = 1; c <= 7; c++)
    for (var r = 2; r <= total; r++) {
        Cellvex.SetCellBorders(c, r, 1, 1);
        Cellvex.SetCellBorders(c, r, 2, 1);
        if (c == 7) Cellvex.SetCellBorders(c, r, 3, 1);
        if (r == total) Cellvex.SetCellBorders(c, r, 4, 1);
    }
Cellvex.ExplainAllExpression(0);
Cellvex.HeaderCount = 2;
Cellvex.Saved = true;
Cellvex.SaveReport(out);
