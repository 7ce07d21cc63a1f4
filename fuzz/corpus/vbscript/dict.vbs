Set d = CreateObject("Scripting.Dictionary")
d.Add "a", 1
d("b") = Array(1, 2)
k = d.Keys
With d
 .Remove "a"
End With
Execute "z = 1"
v = Eval("z + 1")
