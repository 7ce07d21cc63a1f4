' Late-bound use of the control from VBScript: events with ByRef in/out
' arguments, a trapped member failure, out arguments, WScript.Arguments.
Dim changes, keys
Sub Cellvex_OnCellChanged(aCol, aRow, aCellValue)
    changes = changes & aCol & "," & aRow & "=" & aCellValue & "; "
End Sub
Sub Cellvex_OnCellChanging(aCol, aRow, CellValue)
    ' The value is in/out: the cell takes what the handler leaves.
    CellValue = UCase(CellValue)
End Sub
Sub Cellvex_OnKeyPress(Key)
    keys = keys + 1
End Sub

Cellvex.NewReport 4, 6
changes = ""
Ui.clickCell 1, 2
Ui.type "abc"
Ui.key "Enter"
print "item: " & Cellvex.GetCellValue(1, 2)
print "changes: " & changes
print "keys seen: " & (keys > 0)

On Error Resume Next
Cellvex.NewReport -1, 2
print "caught: " & Err.Number & " " & Err.Description
Err.Clear
Cellvex.SetCellValue 1, 1
print "short: " & Err.Number & " " & Err.Description
Err.Clear
Cellvex.SetCellValue 1, 1, "x"
Cellvex.SetCellValue 1, 1, Empty
print "empty: [" & Cellvex.GetCellValue(1, 1) & "] " & Err.Number
On Error GoTo 0

Dim c, r
c = 99
Cellvex.GetCellReferenceByAlias "none", c, r
print "outs: " & c & "," & r
print "args: " & WScript.Arguments.Count & " " & WScript.Arguments(0) & " " & WScript.Arguments.Item(1)
print "done"
