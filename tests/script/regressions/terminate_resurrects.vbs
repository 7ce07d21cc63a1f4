Class C
 Sub Class_Terminate
  Set keep = Me
 End Sub
End Class
Dim keep
Set o = New C
Set o = Nothing
Set keep = Nothing
