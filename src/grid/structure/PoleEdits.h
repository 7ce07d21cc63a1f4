#pragma once

#include "grid/structure/StructureOutcome.h"
#include "rulers/RulerModel.h"

#include <functional>

namespace cellvex {

class Report;

// Inserting, appending and deleting poles, the columns (Horizontal) or rows
// (Vertical) of the report, 0-based. Each edit changes the ruler and the cell matrix
// together (cells move in bulk, new ones are default cells of the default
// width or height), keeps merged blocks whole, moves the selection and the
// input cell with their cells and marks the report unsaved. Cell contents
// (captions, formats, aliases, formulas, scripts) move with their cells;
// texts that name cells by number are not rewritten.
//
// `beforeChange` runs once an edit is accepted, before anything changes
// (the control closes the input method there). A refused edit changes
// nothing and returns acted == false.

// `count` default poles before pole `at`; at == the pole count appends.
// Refused for count < 1 or `at` outside 0..pole count. Throws ReportError,
// changing nothing, when the report would grow beyond the 32-bit pixel
// extent or the 32-bit pole count.
StructureOutcome insertPoles(Report &report, Orientation orientation, int at, int count,
                             const std::function<void()> &beforeChange = {});

// `count` default poles after the last one; the selection never moves.
StructureOutcome appendPoles(Report &report, Orientation orientation, int count,
                             const std::function<void()> &beforeChange = {});

// Poles first..last. Refused unless 0 <= first <= last < pole count and at
// least one pole remains. The deleted cells go with everything they held.
StructureOutcome deletePoles(Report &report, Orientation orientation, int first, int last,
                             const std::function<void()> &beforeChange = {});

} // namespace cellvex
