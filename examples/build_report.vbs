' Builds a small price list through the interface, late-bound, and prints it:
' the VBScript twin of build_report.js, line for line the same output.
Cellvex.NewReport 4, 6
Cellvex.SetCellAlias 1, 1, "Title"
Cellvex.SetFontSize 1, 1, 14
Cellvex.SetFontStyleBold 1, 1, True
Cellvex.SetLabelHAlignment 1, 1, 1

Dim items, i, r, col, row
items = Array(Array("Apples", 3), Array("Pears", 5), Array("Plums", 2))
For i = 0 To UBound(items)
    Cellvex.SetAppendRange 1, i + 2, 2
    Cellvex.SetAppendString 1, i + 2, 0, items(i)(0)
    Cellvex.SetAppendString 1, i + 2, 1, CStr(items(i)(1))
    Cellvex.SetCellBorders 4, i + 2, 3, 1
Next
Cellvex.SetCellBackColor 1, 5, &HCCFFCC
Cellvex.HeaderCount = 1

' JavaScript prints booleans in lower case; so does this twin.
Function Flag(b)
    Flag = LCase(CStr(b))
End Function

print "columns: " & Cellvex.ColCount & " rows: " & Cellvex.RowCount
Cellvex.GetCellReferenceByAlias "Title", col, row
print "title alias at: " & col & "," & row
For r = 2 To 4
    WScript.Echo "row", r, Cellvex.GetAppendString(1, r, 0), Cellvex.GetAppendString(1, r, 1)
Next
print "bold title: " & Flag(Cellvex.GetFontStyleBold(1, 1)) & " size: " & Cellvex.GetFontSize(1, 1)
print "saved: " & Flag(Cellvex.Saved)
