// A report of four charts: a line with its points, bars of a year's months,
// a pie of shares, and an adjustable curve whose marker is dragged with the
// mouse as a person would drag it. Writes the report as a PNG.
//
//   cellvex script examples/chart_report.js [OUT.png]

var out = Host.args.length > 0 ? Host.args[0] : "chart_report.png";
Host.resize(820, 660); // room for the whole report
Cellvex.NewReport(2, 3);
Cellvex.SetColWidth(1, 380);
Cellvex.SetColWidth(2, 380);
Cellvex.SetRowHeight(1, 28);
Cellvex.SetRowHeight(2, 280);
Cellvex.SetRowHeight(3, 280);
Cellvex.MergeCell(1, 1, 2, 1);
Cellvex.SetCellValue(1, 1, "二〇二六年销售分析");
Cellvex.SetFontSize(1, 1, 14);
Cellvex.SetFontStyleBold(1, 1, true);
Cellvex.SetLabelHAlignment(1, 1, 1);

// A red line (colour 255, solid, width 2) under blue points on the same axes.
Cellvex.SetChartCell(1, 2, "月销售额（万元）", "月份", "销售额");
Cellvex.AddChartSeries(1, 2, 1, "6,255,0,2,00", "1,12,2,15,3,14,4,19,5,23,6,21");
Cellvex.AddChartSeries(1, 2, 5, "6,16711680,3,3,0,00", "1,12,2,15,3,14,4,19,5,23,6,21");

// Bars with their labels and value marks.
Cellvex.SetChartCell(2, 2, "季度订单", "季度", "订单数");
Cellvex.AddChartSeries(2, 2, 2, "4,3381759,1,00", "120,一季度,185,二季度,160,三季度,210,四季度");

// A pie of the regions' shares.
Cellvex.SetChartCell(1, 3, "地区份额", "", "");
Cellvex.AddChartSeries(1, 3, 6, "4,1", "35,华东,25,华南,22,华北,18,西部");

// An adjustable smooth curve through four points, with its markers.
Cellvex.SetChartCell(2, 3, "可调曲线", "时间（时）", "温度,,");
Cellvex.AddChartSeries(2, 3, 10, "4,32768,0,2,255,4,4,0,00", "0,18,6,15,12,26,18,21");

var adjusted = [];
function Cellvex_OnAdjustedSeries(col, row, type, sign, data)
{
    adjusted.push(col + "," + row + " type " + type + ": " + data);
}

// Drag the third marker (12, 26) down to (12, 30) on the curve's axes.
// Series as drawn: 1 the curve, 2 its markers.
var from = Ui.chartPoint(2, 3, 2, 3);
var to = Ui.chartPosition(2, 3, 1, 12, 30);
Ui.pressCell(2, 3, "left", from[0], from[1]);
Ui.moveToCell(2, 3, (from[0] + to[0]) / 2, (from[1] + to[1]) / 2);
Ui.moveToCell(2, 3, to[0], to[1]);
Ui.releaseCell(2, 3, "left", to[0], to[1]);

print("adjusted:", adjusted.join("; "));
print("series:", Cellvex.GetCellAllSeriesesText(2, 3).split("\r\n").join("|"));
print("saved:", Cellvex.Saved);
Ui.snapshot(out);
print("written:", out);
