Dim a(3)
For i = 0 To 3 : a(i) = i * 2 : Next
For Each x In a : s = s & x : Next
WScript.Echo s
