#pragma once

#include <QString>

namespace cellvex {

class Report;

// ReplaceCellsString's arguments.
struct ReplaceRequest
{
    bool selected = false;      // the selection, not the whole grid
    bool caseSensitive = false; // else A-Z count as a-z when finding
    bool wholeWords = false;    // the whole caption, else every occurrence in it
    QString find;
    QString replacement;
};

// ReplaceCellsString on the model. Visits the range column by column, each
// from its first row, and gives every cell that shows its caption as text
// (covered cells included) the replaced text (TextMatch.h) through
// assignCellValue when it differs, marking the report unsaved. The selection
// and the input cell stay. A selection search without a selection does
// nothing; a handler that replaces or reshapes the report ends the run.
// Returns the number of cells assigned. Throws what assignCellValue throws;
// the replacements before stay.
int replaceCellsString(Report &report, const ReplaceRequest &request);

} // namespace cellvex
