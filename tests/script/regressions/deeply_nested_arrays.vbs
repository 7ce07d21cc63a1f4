a = Empty
For i = 1 To 300000
 a = Array(a)
Next
a = 0
