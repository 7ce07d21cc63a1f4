"""Writes, with openpyxl, the workbook the import checks read: values of
each kind in B2:E6, merged areas crossing the edges of B2:D5, dashed,
dotted, dash-dot and solid borders, fonts, fills, alignment, widths,
heights and a landscape A3 page. Optionally many rows of text and numbers
for timing (`rows`)."""
import datetime
import sys

import openpyxl
from openpyxl.styles import Alignment, Border, Font, PatternFill, Side


def sample(path):
    wb = openpyxl.Workbook()
    ws = wb.active
    ws.title = "Data"
    for r in range(1, 7):
        for c in range(1, 6):
            ws.cell(row=r, column=c, value="%s%d" % (chr(64 + c), r))
    ws["B2"] = "中文"
    ws["C2"] = 42
    ws["D2"] = 2.5
    ws["B3"] = datetime.date(2024, 3, 5)
    ws["C3"] = True
    ws["B2"].font = Font(name="Arial", size=14, bold=True, italic=True, underline="single",
                         strike=True, color="FF0000")
    ws["B2"].fill = PatternFill("solid", fgColor="FFFF00")
    ws["B2"].alignment = Alignment(horizontal="right", vertical="top", wrap_text=True)
    ws["B2"].border = Border(left=Side("thin"), top=Side("thin"))
    ws["C3"].border = Border(left=Side("dashed"), top=Side("dotted"), bottom=Side("double"))
    ws["D3"].border = Border(top=Side("dashDot"), right=Side("medium"))
    ws["C6"].border = Border(top=Side("thin"))
    ws["D4"].alignment = Alignment(horizontal="center", vertical="center")
    ws.merge_cells("A4:B5")  # crosses the range's left edge
    ws.merge_cells("C4:C5")  # inside
    ws.merge_cells("D4:E6")  # crosses its bottom right corner
    ws.column_dimensions["B"].width = 20
    ws.column_dimensions["C"].width = 0.5
    ws.row_dimensions[2].height = 30
    ws.page_setup.orientation = "landscape"
    ws.page_setup.paperSize = 8
    ws.page_margins.left = 1.0
    ws.page_margins.top = 0.5
    wb.save(path)


def many(path, rows):
    wb = openpyxl.Workbook()
    ws = wb.active
    bold = Font(bold=True)
    for r in range(1, rows + 1):
        ws.append(["text %d" % r, r, r * 0.5, "row", r % 7, "x%d" % (r % 13), r * 3, "end", r + 0.25, "z"])
        ws.cell(row=r, column=1).font = bold
    wb.save(path)


if __name__ == "__main__":
    if len(sys.argv) > 2:
        many(sys.argv[1], int(sys.argv[2]))
    else:
        sample(sys.argv[1])
