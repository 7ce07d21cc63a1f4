s = "x"
For i = 1 To 40
 s = s & s
Next
