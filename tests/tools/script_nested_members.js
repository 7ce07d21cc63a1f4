// An event handler reaches the control while the call that raised the event
// is still running, through spellings the script has not used before; the
// running call ends as usual and the handler's answer is kept.
var seen = [];
function Cellvex_OnCellChanging(c, r, v) {
    var names = ["ColCount", "colcount", "COLCOUNT", "RowCount", "rowcount", "ROWCOUNT",
                 "GetColWidth", "getcolwidth", "GETCOLWIDTH"];
    for (var i = 0; i < names.length; ++i) {
        var m = Cellvex[names[i]];
        seen.push(typeof m === "function" ? m(c) : m);
    }
    return v + "!";
}
Cellvex.NewReport(3, 2);
Cellvex.SetCellValue(1, 1, "x");
print("value: " + Cellvex.GetCellValue(1, 1) + " seen: " + seen.join(","));
