#pragma once

#include "report/Report.h"

namespace cellvex::bench {

// Fills a third of the cells of a new `cols` × `rows` report the way a
// business report is filled: a header row in a bold font, numbers with a
// number format, Chinese and mixed texts, thin borders and a few back
// colours, right-aligned figures, an alias and an expression here and there.
// The other cells keep their defaults.
void fillReport(Report &report, int cols, int rows);

} // namespace cellvex::bench
