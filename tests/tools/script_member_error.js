// A member's failure that the script does not catch ends the run at the
// script's own line, not at a line of the host's glue.
function fill() {
    Cellvex.SetCellValue(1, 1, null);
}
Cellvex.NewReport(2, 2);
fill();
