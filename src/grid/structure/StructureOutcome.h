#pragma once

namespace cellvex {

// What a structure edit did, for the control to follow up: repaint, cut the
// pages again, and raise the selection events only when they are due.
struct StructureOutcome
{
    bool acted = false;            // the report changed (and is marked unsaved)
    bool selectionChanged = false; // the selection or the input cell moved or went away
};

} // namespace cellvex
