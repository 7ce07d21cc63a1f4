Set re = New RegExp
re.Pattern = "(\w+)@(\w+)"
re.Global = True
For Each m In re.Execute("a@b c@d")
 s = s & m.SubMatches(0) & m.FirstIndex
Next
t = re.Replace("x@y", "$2-$1")
Set f = GetRef("F")
Function F(a, b) : F = Escape(a & b) : End Function
