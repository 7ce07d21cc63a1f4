#pragma once

#include "platform/FileShell.h"

#include <functional>

namespace cellvex {

class Report;

// What an action list asks of the control beyond the report itself.
struct ButtonActionHooks
{
    // Action 1: run the button cell's own script (the control checks that
    // scripts are enabled and reports its errors).
    std::function<void(int col, int row)> runScript;
    // Action 4: all formulas in an order (0 columns, 1 rows), or one cell's.
    std::function<void(int order)> explainAll;
    std::function<void(int col, int row)> explainCell;
    // Action 5.
    FileShell *shell = nullptr;
};

// Carries out the action list (ButtonScript) of the cell at 0-based
// (col, row), line by line: 1 the cell's script, 2 a picture, 3 a chart
// series, 4 formulas, 5 a file through the desktop. Malformed lines,
// coordinates outside the grid and missing fields do nothing. A failing
// action (a script that fails, a file that is no picture) ends the list and
// reaches the caller; the report is marked changed either way.
void runButtonActions(Report &report, int col, int row, const ButtonActionHooks &hooks);

} // namespace cellvex
