#pragma once

#include "report/Report.h"

namespace cellvex {

// What the report does after the user clicked (or double-clicked) the drop
// button or the button face of a cell.
enum class ButtonAnswer {
    None,         // no such widget, or the cell is read-only
    OpenDropList, // a drop-down cell: the input code opens the item list
    RunActions,   // a button cell: the action list (the cell's button script) is to be carried out
};

// The drop button or button face of the cell was clicked. A read-only cell
// answers nothing. For a button cell the report's listener sees the
// name and the action list and may replace the list, which is stored; the
// report is marked changed.
ButtonAnswer clickCellButton(Report &report, int col, int row);

// The check box of the cell was clicked. A read-only cell keeps its state and
// raises nothing; otherwise the caption flips between "1" and "0" through the
// caption setter (raising its hooks) and the report is marked changed.
// Returns whether the state changed.
bool clickCheckBox(Report &report, int col, int row);

} // namespace cellvex
