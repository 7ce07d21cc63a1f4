Class C
 Public Default Property Get V
  Set V = Me
 End Property
End Class
Set o = New C
x = o + 1
