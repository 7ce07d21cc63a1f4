// Builds a report of four A4 pages and prints it on the default printer.
// At 80 x 19 pixels a cell, an A4 page between the 20 mm margins holds 8
// columns and 51 rows, so 12 columns by 80 rows make 2 x 2 pages.
var cols = 12, rows = 80;
Cellvex.NewReport(cols, rows);

// A caption in the first cell of every page (pages run down, then across),
// and row numbers down column 1 from row 3: row 2 stays empty, so that a
// check of the printed grid finds nothing but borders along it.
var corners = [[1, 1], [1, 52], [9, 1], [9, 52]];
for (var i = 0; i < corners.length; i++)
    Cellvex.SetCellValue(corners[i][0], corners[i][1], "第" + (i + 1) + "页");
for (var r = 3; r <= rows; r++) {
    if (r !== 52)
        Cellvex.SetCellValue(1, r, String(r));
}

// A failure of the print job arrives as an event, not as an exception.
var failed = "";
function Cellvex_OnError(message) {
    failed = message;
}

Cellvex.Print(false);
if (failed !== "")
    throw new Error(failed);
print("printed", cols, "columns by", rows, "rows");
