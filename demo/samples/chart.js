// The chart sample (图表.cvd): a titled report of three charts.
//   cellvex script chart.js OUT.cvd
var out = Host.args[0];
Cellvex.NewReport(2, 3);
Cellvex.SetColWidth(1, 320);
Cellvex.SetColWidth(2, 320);
Cellvex.SetRowHeight(1, 30);
Cellvex.SetRowHeight(2, 260);
Cellvex.SetRowHeight(3, 260);
Cellvex.MergeCell(1, 1, 2, 1);
Cellvex.SetCellValue(1, 1, "二〇二六年销售分析");
Cellvex.SetFontSize(1, 1, 14);
Cellvex.SetFontStyleBold(1, 1, true);
Cellvex.SetLabelHAlignment(1, 1, 1);

Cellvex.SetChartCell(1, 2, "月销售额（万元）", "月份", "销售额");
Cellvex.AddChartSeries(1, 2, 1, "6,255,0,2,00", "1,12,2,15,3,14,4,19,5,23,6,21");
Cellvex.AddChartSeries(1, 2, 5, "6,16711680,3,3,0,00", "1,12,2,15,3,14,4,19,5,23,6,21");

Cellvex.SetChartCell(2, 2, "季度订单", "季度", "订单数");
Cellvex.AddChartSeries(2, 2, 2, "4,3381759,1,00", "120,一季度,185,二季度,160,三季度,210,四季度");

Cellvex.MergeCell(1, 3, 2, 3);
Cellvex.SetChartCell(1, 3, "地区份额", "", "");
Cellvex.AddChartSeries(1, 3, 6, "4,1", "35,华东,25,华南,22,华北,18,西部");

Cellvex.SaveReport(out);
