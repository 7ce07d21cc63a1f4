#!/usr/bin/python3
"""Parses an HTML page with html5lib, the WHATWG parsing algorithm browsers
use, and prints what the tests look at as JSON: the parse errors, the
declared character set, the style sheet's class rules, the column widths and
every table cell with its text, spans, class declarations, image and check
box. Exit status 3 when html5lib is missing, so the caller can skip."""
import json
import re
import sys

try:
    import html5lib
except ImportError:
    print("html5lib is not installed", file=sys.stderr)
    sys.exit(3)

NS = "{http://www.w3.org/1999/xhtml}"


def declarations(text):
    out = {}
    for part in text.split(";"):
        if ":" in part:
            name, value = part.split(":", 1)
            out[name.strip()] = value.strip()
    return out


def specificity(selector):
    """(classes, elements) of a selector of compounds like "table.x td.y"."""
    classes = elements = 0
    for compound in selector.split():
        parts = compound.split(".")
        elements += 1 if parts[0] else 0
        classes += len(parts) - 1
    return (classes, elements)


def cell_rules(rules, cls):
    """The declarations that reach a table cell of the class, resolved as the
    cascade does: rules by specificity, equal ones in document order, the
    later winning. The ancestors of a selector are taken to match."""
    matching = []
    for order, (selector, body) in enumerate(rules.items()):
        last = selector.split()[-1]
        if last in ("td", "td." + cls, "." + cls):
            matching.append((specificity(selector), order, body))
    out = {}
    for _, _, body in sorted(matching, key=lambda m: (m[0], m[1])):
        for name, value in body.items():
            if name == "border":
                for side in ("left", "top", "right", "bottom"):
                    out.pop("border-" + side, None)
            out[name] = value
    return out


def text_of(element):
    parts = [element.text or ""]
    for child in element:
        if child.tag == NS + "br":
            parts.append("\n")
        else:
            parts.append(text_of(child))
        parts.append(child.tail or "")
    return "".join(parts)


def main():
    with open(sys.argv[1], "rb") as f:
        raw = f.read()
    parser = html5lib.HTMLParser(tree=html5lib.getTreeBuilder("etree"), strict=False)
    doc = parser.parse(raw)
    rules = {}
    for style in doc.iter(NS + "style"):
        for selector, body in re.findall(r"([^{}]+)\{([^}]*)\}", style.text or ""):
            rules[selector.strip()] = declarations(body)
    charset = [m.get("charset") for m in doc.iter(NS + "meta") if m.get("charset")]
    result = {
        "errors": [str(e[1]) for e in parser.errors],
        "encoding": parser.documentEncoding,
        "charset": charset[0] if charset else None,
        "title": text_of(next(doc.iter(NS + "title"))) if any(True for _ in doc.iter(NS + "title")) else None,
        "rules": rules,
        "scripts": sum(1 for _ in doc.iter(NS + "script")),
        "tables": [],
    }
    for table in doc.iter(NS + "table"):
        t = {"cols": [declarations(c.get("style", "")) for c in table.iter(NS + "col")], "rows": []}
        for tr in table.iter(NS + "tr"):
            row = {"style": declarations(tr.get("style", "")), "cells": []}
            for td in tr:
                if td.tag != NS + "td":
                    continue
                cls = td.get("class", "")
                cell = {
                    "text": text_of(td),
                    "colspan": int(td.get("colspan", "1")),
                    "rowspan": int(td.get("rowspan", "1")),
                    "style": cell_rules(rules, cls),
                    "images": [{"src": i.get("src"), "width": i.get("width"), "height": i.get("height"),
                                "style": declarations(i.get("style", ""))} for i in td.iter(NS + "img")],
                    "checkboxes": [{"checked": i.get("checked") is not None,
                                    "disabled": i.get("disabled") is not None}
                                   for i in td.iter(NS + "input") if i.get("type") == "checkbox"],
                }
                row["cells"].append(cell)
            t["rows"].append(row)
        result["tables"].append(t)
    json.dump(result, sys.stdout, ensure_ascii=False)


main()
