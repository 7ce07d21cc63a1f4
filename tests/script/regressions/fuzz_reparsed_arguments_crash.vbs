Class C
 Sub Class_Terminate
  Set keep = Lx =x =Dath Or ng---3 : a(i)-------3 : a(i)-et=++""+U++++Di	++++++""+U++++++++False++++++++++++False+++Fp = Mx =x =Dath Or nget=++""+U++++Di	++++++""+U++++Di	++++++++Fa+ls+e++++False++++++++++++False+++False+alse+++++++++Die++++++++++++Ferminate
  Set keep = Mx =x =Dath Or nget=++""+U++++Di	++++++""+U++++++++False++++++++++++False+++Fp = Mx =x =Dath Or nget=++""+U++++Di	++++++""+U++++Di	++++++++Fa+ls+e++++False++++++++++++False+++False+alse+++++++++Die++++++++++++False++++++++++++e
 End Sub
End Class
Dim keep
Set o = New C
alse++++++++++++e
 Enet=otihng
