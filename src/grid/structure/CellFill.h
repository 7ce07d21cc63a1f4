#pragma once

namespace cellvex {

class Report;

// FillCell on the model. Copies values inside the selection from the input
// cell's column or row, each time reading the source cell's current caption
// and writing through assignCellValue (so the target's kind and format
// apply and the caption events are raised); covered cells are filled too.
//   1 right: each row's input-column value into the columns right of it
//   2 left:  ... into the columns left of it
//   3 down:  each column's input-row value into the rows below it
//   4 up:    ... into the rows above it
//   5 the input cell's value into every other selected cell, row by row
//   6 the same, column by column
// Without a selection (or input cell) nothing happens; another direction
// assigns nothing. Directions 1-6 mark the report unsaved. A handler that
// replaces or reshapes the report ends the fill. Returns whether it marked
// the report changed. Throws what assignCellValue throws; the values
// written before stay.
bool fillCells(Report &report, int direction);

} // namespace cellvex
