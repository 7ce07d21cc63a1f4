"""Prints, as JSON, what openpyxl reads from a workbook: the first sheet's
cells with their styles, merged areas, widths, heights, page setup, and the
anchors of its pictures (from the drawing part, so that no imaging library
is needed)."""
import json
import re
import sys
import zipfile

import openpyxl


def color(c):
    if c is None or c.type != "rgb" or c.rgb is None:
        return None
    return c.rgb[-6:].upper()


def side(s):
    return s.style if s is not None else None


def main(path):
    wb = openpyxl.load_workbook(path)
    ws = wb.worksheets[0]
    cells = {}
    for row in ws.iter_rows():
        for c in row:
            if c.value is None and not c.has_style:
                continue
            b = c.border
            cells[c.coordinate] = {
                "value": c.value if not hasattr(c.value, "isoformat") else c.value.isoformat(),
                "font": {"name": c.font.name, "size": c.font.sz, "bold": bool(c.font.b),
                         "italic": bool(c.font.i), "underline": c.font.u, "strike": bool(c.font.strike),
                         "color": color(c.font.color)},
                "fill": {"type": c.fill.fill_type, "color": color(c.fill.fgColor)},
                "border": {"left": side(b.left), "right": side(b.right), "top": side(b.top),
                           "bottom": side(b.bottom), "diagonal": side(b.diagonal),
                           "diagonalUp": bool(b.diagonalUp), "diagonalDown": bool(b.diagonalDown)},
                "alignment": {"horizontal": c.alignment.horizontal, "vertical": c.alignment.vertical,
                              "wrap": bool(c.alignment.wrap_text)},
                "locked": c.protection.locked,
            }
    widths = {k: d.width for k, d in ws.column_dimensions.items() if d.customWidth}
    heights = {str(k): d.height for k, d in ws.row_dimensions.items() if d.height is not None}
    ps, pm = ws.page_setup, ws.page_margins
    anchors = []
    with zipfile.ZipFile(path) as z:
        for name in z.namelist():
            if re.match(r"xl/drawings/drawing\d+\.xml$", name):
                xml = z.read(name).decode("utf-8")
                for m in re.finditer(r"<xdr:from><xdr:col>(\d+)</xdr:col>.*?<xdr:row>(\d+)</xdr:row>", xml):
                    anchors.append({"col": int(m.group(1)), "row": int(m.group(2))})
    print(json.dumps({
        "title": ws.title,
        "cells": cells,
        "merges": sorted(str(r) for r in ws.merged_cells.ranges),
        "widths": widths,
        "heights": heights,
        "page": {"paperSize": int(ps.paperSize) if ps.paperSize is not None else None,
                 "orientation": ps.orientation, "left": pm.left, "right": pm.right,
                 "top": pm.top, "bottom": pm.bottom},
        "pictures": anchors,
    }, ensure_ascii=False))


if __name__ == "__main__":
    main(sys.argv[1])
