// Late-bound use of the control: events, failures, out arguments, in/out answers.
var log = [];
function Cellvex_OnInputChange(c, r) { log.push("input " + c + "," + r); }
function Cellvex_OnSelectChange(a, b, c, d) { log.push("select " + [a, b, c, d].join(",")); }
Cellvex.NewReport(2, 2);
print("events: " + log.join("; "));
try { Cellvex.NewReport(-1, 2); } catch (e) { print("caught: " + e.message); }
// A missing argument is refused; an explicit undefined is an empty value.
try { Cellvex.SetCellValue(1, 1); print("short call ran"); } catch (e) { print("short: " + e.message); }
Cellvex.SetCellValue(1, 1, "x");
Cellvex.SetCellValue(1, 1, undefined);
print("empty: [" + Cellvex.GetCellValue(1, 1) + "]");
print("outs: " + Cellvex.GetCellReferenceByAlias("none").join(","));
Host.processEvents();
print("cols " + Cellvex.colcount + " width " + Cellvex.getcolwidth(1));
print("done");
