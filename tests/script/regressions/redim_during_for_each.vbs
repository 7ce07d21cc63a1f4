ReDim a(5)
For Each x In a
 ReDim Preserve a(1000)
 a(0) = x
Next
