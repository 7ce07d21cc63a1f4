#pragma once

#include <cstdint>

namespace cellvex {

class Report;

// A cell under the mouse: the cell that takes the press (the master of a
// merged block for any point inside the block) and the point relative to
// that cell's top-left corner.
struct CellHit
{
    int col = -1;
    int row = -1;
    std::int64_t x = 0;
    std::int64_t y = 0;

    bool valid() const { return col >= 0 && row >= 0; }
};

// Report coordinates of the cell surface's top-left pixel: the leading edges
// of the first displayed column and row.
std::int64_t surfaceOriginX(const Report &report);
std::int64_t surfaceOriginY(const Report &report);

// The cell at a point in report coordinates. Zero-width columns and
// zero-height rows never match (the rulers' search skips them); points
// outside the grid give an invalid hit.
CellHit hitTestCell(const Report &report, std::int64_t reportX, std::int64_t reportY);

// The same for a point on the cell surface.
CellHit hitTestSurface(const Report &report, int surfaceX, int surfaceY);

} // namespace cellvex
