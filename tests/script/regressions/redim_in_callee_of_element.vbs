ReDim a(5)
Sub Grow(v)
 ReDim a(10000)
 v = 1
End Sub
Grow a(2)
