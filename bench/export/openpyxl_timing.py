"""The openpyxl side of the workbook benchmark: writes or reads the same
100 k-cell sheet the C++ side does and prints the seconds it took, without
the interpreter's start-up.

  openpyxl_timing.py write OUT.xlsx ROWS
  openpyxl_timing.py read IN.xlsx"""
import sys
import time

import openpyxl
from openpyxl.styles import Font, PatternFill


def row_values(r):
    return ["text %d" % r, r, r * 0.5, "row", r % 7, "x%d" % (r % 13), r * 3, "end", r + 0.25, "z"]


def write(path, rows):
    start = time.perf_counter()
    wb = openpyxl.Workbook()
    ws = wb.active
    bold = Font(bold=True)
    red = Font(italic=True, color="FF0000")
    fill = PatternFill("solid", fgColor="FFFF00")
    for r in range(1, rows + 1):
        ws.append(row_values(r))
        ws.cell(row=r, column=1).font = bold
        ws.cell(row=r, column=4).font = red
        ws.cell(row=r, column=8).fill = fill
    wb.save(path)
    return time.perf_counter() - start


def read(path):
    start = time.perf_counter()
    wb = openpyxl.load_workbook(path)
    ws = wb.worksheets[0]
    count = 0
    for row in ws.iter_rows():
        for c in row:
            # What an import takes from each cell: value, font, fill, borders, alignment.
            _ = (c.value, c.font.b, c.font.color, c.fill.fgColor, c.border.left.style, c.alignment.horizontal)
            count += 1
    return time.perf_counter() - start


if __name__ == "__main__":
    if sys.argv[1] == "write":
        print(write(sys.argv[2], int(sys.argv[3])))
    else:
        print(read(sys.argv[2]))
