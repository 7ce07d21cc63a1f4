' Answers the control's events while a person types: the value being stored
' is upper-cased (OnCellChanging's in/out argument), every change is logged,
' key presses are counted. The twin of examples/handle_events.js.
Dim changes, keys
changes = ""
keys = 0
Sub Cellvex_OnCellChanging(aCol, aRow, CellValue)
    CellValue = UCase(CellValue)
End Sub
Sub Cellvex_OnCellChanged(aCol, aRow, aCellValue)
    changes = changes & aCol & "," & aRow & "=" & aCellValue & "; "
End Sub
Sub Cellvex_OnKeyPress(Key)
    keys = keys + 1
End Sub

Cellvex.NewReport 4, 6
changes = ""
Ui.clickCell 1, 2
Ui.type "abc"
Ui.key "Enter"
Cellvex.SetCellValue 2, 3, "xyz"
print "item: " & Cellvex.GetCellValue(1, 2)
print "other: " & Cellvex.GetCellValue(2, 3)
print "changes: " & changes
If keys >= 3 Then print "keys: counted" Else print "keys: missing"
If Cellvex.Saved Then print "saved: yes" Else print "saved: no"
