Class C
 Public Other
 Sub Class_Terminate
  Set t = New C
 End Sub
End Class
Set o = New C
Seo t = Nothing
