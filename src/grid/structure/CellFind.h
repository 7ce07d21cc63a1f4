#pragma once

#include <QPoint>
#include <QString>

#include <optional>

namespace cellvex {

class Report;

// FindCellsString's arguments.
struct FindRequest
{
    bool selected = false;      // search the selection, not the whole grid
    bool byColumns = false;     // column by column, else row by row
    bool backwards = false;     // towards the first cell
    bool caseSensitive = false; // else A-Z count as a-z
    bool wholeWords = false;    // the whole caption, else any part of it
    QString text;
};

// The first matching cell after the start in scan order (0-based), without
// wrapping around. The start is the input cell, or (0, 0) when there is none,
// which may then match itself. Only cells that are not covered and show
// their caption as text are tested. Nothing is found for an empty text, or
// for a selection search without a selection.
std::optional<QPoint> findCell(const Report &report, const FindRequest &request);

// FindCellsString on the model: finds the cell and selects it (its block
// when it is a master) with its top-left cell as the input cell; whole-line
// modes end. Saved is not touched. False (nothing changes) when nothing matched.
bool findCellsString(Report &report, const FindRequest &request);

} // namespace cellvex
