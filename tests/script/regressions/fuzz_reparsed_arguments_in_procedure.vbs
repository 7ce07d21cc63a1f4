Sub S
 P (a) + b, c
End Sub
Sub P(x, y)
End Sub
S
