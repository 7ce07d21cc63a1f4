On Error Resume Next
Sub R(n)
 R n + 1
End Sub
R 1
x = Err.Number
