ReDim a(2, 2)
ReDim Preserve a(2, 5)
a(1, 1) = "x"
Erase a
Do While i < 5 : i = i + 1 : If i = 3 Then Exit Do
Loop
While j < 2 : j = j + 1 : Wend
