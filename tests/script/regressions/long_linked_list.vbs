Class Node
 Public NextNode
End Class
Set head = Nothing
For i = 1 To 300000
 Set n = New Node
 Set n.NextNode = head
 Set head = n
Next
Set n = Nothing
Set head = Nothing
