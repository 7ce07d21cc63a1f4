Class C
 Property Get P
  P = Me.P
 End Property
End Class
Set o = New C
x = o.P
