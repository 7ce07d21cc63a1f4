// The report sample (报告.cvd): a formatted list with a merged title, two
// header rows repeated on every printed page, and page texts with the date,
// page number and page count.
//   cellvex script report.js OUT.cvd
var out = Host.args[0];
var rows = 60;
Cellvex.NewReport(5, rows + 2);
var widths = [60, 160, 110, 110, 120];
for (var c = 0; c < widths.length; c++)
    Cellvex.SetColWidth(c + 1, widths[c]);

Cellvex.MergeCell(1, 1, 5, 1);
Cellvex.SetRowHeight(1, 34);
Cellvex.SetCellValue(1, 1, "产品库存报告");
Cellvex.SetFontName(1, 1, "黑体");
Cellvex.SetFontSize(1, 1, 16);
Cellvex.SetLabelHAlignment(1, 1, 1);
Cellvex.SetLabelVAlignment(1, 1, 1);

var heads = ["序号", "产品名称", "库存数量", "单价（元）", "金额（元）"];
for (var c = 0; c < heads.length; c++) {
    Cellvex.SetCellValue(c + 1, 2, heads[c]);
    Cellvex.SetFontStyleBold(c + 1, 2, true);
    Cellvex.SetLabelHAlignment(c + 1, 2, 1);
    Cellvex.SetCellBackColor(c + 1, 2, 0xF0E0C8);
}
var names = ["螺栓", "螺母", "垫圈", "轴承", "齿轮", "链条", "皮带", "弹簧", "阀门", "管件"];
for (var i = 0; i < rows; i++) {
    var r = i + 3;
    Cellvex.SetCellValue(1, r, String(i + 1));
    Cellvex.SetLabelHAlignment(1, r, 1);
    Cellvex.SetCellValue(2, r, names[i % names.length] + " " + (Math.floor(i / names.length) + 1) + " 号");
    Cellvex.SetCellValue(3, r, String(50 + (i * 37) % 400));
    Cellvex.SetCellFormat(4, r, 3, "#,##0.00");
    Cellvex.SetCellValue(4, r, String(2.5 + (i * 13) % 90 / 4));
    Cellvex.SetCellFormat(5, r, 3, "#,##0.00");
    Cellvex.SetCellExpression(5, r, "getcell(3, row) * getcell(4, row)");
    for (var c = 3; c <= 5; c++)
        Cellvex.SetLabelHAlignment(c, r, 2);
    if (i % 2 == 1)
        for (var c = 1; c <= 5; c++)
            Cellvex.SetCellBackColor(c, r, 0xF8F8F8);
}
for (var c = 1; c <= 5; c++)
    for (var r = 2; r <= rows + 2; r++) {
        Cellvex.SetCellBorders(c, r, 1, 1);
        Cellvex.SetCellBorders(c, r, 2, 1);
        if (c == 5) Cellvex.SetCellBorders(c, r, 3, 1);
        if (r == rows + 2) Cellvex.SetCellBorders(c, r, 4, 1);
    }
Cellvex.ExplainAllExpression(0);

Cellvex.HeaderCount = 2;
Cellvex.PageHeaderContent = "产品库存报告    打印日期：@date";
Cellvex.PageFooterContent = "第 @pno 页，共 @pages 页";
Cellvex.SaveReport(out);
