x = DateAdd("s", 1E+300, Now)
