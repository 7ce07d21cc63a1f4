Class C
 Sub Class_Terminate
  Err.Raise 5
 End Sub
End Class
Set o = New C
Set o = Nothing
x = 1
