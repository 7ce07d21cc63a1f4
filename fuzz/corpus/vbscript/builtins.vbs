x = DateAdd("m", 1, #1/31/2020#) & FormatNumber(1234.5, 2) & Replace("a-b", "-", "+") & Split("a,b", ",")(1) & InStr(1, "abc", "B", 1) & Mid("hello", 2, 2) & CInt("12") + &HFF & Hex(-1)
