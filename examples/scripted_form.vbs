' An order form: each quantity cell carries a script that computes its line's
' amount, the total is a formula, and a button's action list ("4;0")
' recomputes the formulas. The quantities are typed through Ui as a person
' would; the twin of examples/scripted_form.js.
Dim heads, items, c, i, r
Cellvex.NewReport 4, 6
heads = Array("商品", "单价", "数量", "金额")
For c = 0 To 3
    Cellvex.SetCellValue c + 1, 1, heads(c)
Next
items = Array(Array("苹果", "12"), Array("梨", "8.5"), Array("李子", "20"))
For i = 0 To 2
    Cellvex.SetCellValue 1, i + 2, items(i)(0)
    Cellvex.SetCellValue 2, i + 2, items(i)(1)
    ' "row" in a coordinate is the script cell's own row.
    Cellvex.SetCellScript False, 3, i + 2, "VBScript", "setcell 4, row, getcell(2, row, 1) * getcell(3, row, 1)"
Next
Cellvex.SetCellValue 3, 5, "合计"
Cellvex.SetCellExpression 4, 5, "sum(4, 2, 4, 4)"
Cellvex.SetButtonCell 4, 6, "重算", "4;0"

Ui.clickCell 3, 2 : Ui.type "2" : Ui.key "Enter"
Ui.clickCell 3, 3 : Ui.type "4" : Ui.key "Enter"
Ui.clickCell 3, 4 : Ui.type "1" : Ui.key "Enter"
Ui.clickCell 4, 6 ' the button recomputes the total

For r = 2 To 4
    print "line " & r & ": " & Cellvex.GetCellValue(4, r)
Next
print "total: " & Cellvex.GetCellValue(4, 5)
