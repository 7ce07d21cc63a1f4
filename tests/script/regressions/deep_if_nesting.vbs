If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
If True Then
x = 1
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
End If
