// Run without a person at the screen, the script editor closes as if
// cancelled: the scripts and Saved stay as they were.
Cellvex.NewReport(3, 3);
Cellvex.SetSelectedCell(1, 1, 2, 1);
Cellvex.SetCellScript(false, 1, 1, "VBSCRIPT", "x = 1");
Cellvex.SetCellScript(true, 0, 0, "JAVASCRIPT", "y = 2;");
Cellvex.Saved = true;
Cellvex.EditCellScript();
Cellvex.EditInitScript();
print("cell: " + Cellvex.GetCellScript(false, 1, 1).join("|"));
print("next: " + Cellvex.GetCellScript(false, 2, 1).join("|"));
print("init: " + Cellvex.GetCellScript(true, 0, 0).join("|"));
print("saved: " + Cellvex.Saved);
