Class C
 Private m
 Public Property Get V : V = m : End Property
 Public Property Let V(x) : m = x : End Property
 Sub Class_Terminate : WScript.Echo "t" : End Sub
End Class
Set o = New C : o.V = 5 : Set o = Nothing
