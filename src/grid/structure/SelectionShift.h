#pragma once

#include "rulers/RulerModel.h"

namespace cellvex {

class Report;

// The selection's extent along one axis and the input cell's line there, as
// inserting or deleting lines of that axis sees them. first == -1: there is
// no selection (and then no input cell either).
struct LineSpan
{
    int first = -1;
    int last = -1;
    int input = -1;

    bool exists() const { return first >= 0; }
    bool operator==(const LineSpan &) const = default;
};

// `count` lines were inserted before line `at`. A selection at or after the
// point moves with its cells; one the point cuts grows over the new lines
// (its input line moves when it lay at or after the point). True when the
// span changed.
bool shiftSpanForInsert(LineSpan &span, int at, int count);

// Lines first..last were deleted. A span after them moves back, one they cut
// shrinks, one inside them disappears (first, last and input become -1); an
// input line that was deleted falls back to the span's first line. True in
// every case except a span wholly before the deleted lines (or none at all):
// then nothing moved and no event is due.
bool shiftSpanForDelete(LineSpan &span, int first, int last);

// Applies the rules above to the report's selection and input cell along
// the axis; the other axis is left alone. True when an event is due.
bool shiftSelectionForInsert(Report &report, Orientation axis, int at, int count);
bool shiftSelectionForDelete(Report &report, Orientation axis, int first, int last);

} // namespace cellvex
