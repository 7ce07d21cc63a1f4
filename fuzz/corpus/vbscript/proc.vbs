Function f(a, b)
 f = a & b
 a = 1
End Function
On Error Resume Next
x = 1 / 0
If Err.Number <> 0 Then Err.Clear
Select Case x
Case 1, 2 : y = 1
Case Else : y = 2
End Select
