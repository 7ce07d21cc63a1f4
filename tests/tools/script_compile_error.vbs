x = 1
If x Then
print "no End If"
