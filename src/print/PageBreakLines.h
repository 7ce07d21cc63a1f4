#pragma once

#include <cstdint>
#include <vector>

namespace cellvex {

class Report;
class Pagination;

// One line the grid shows over the cells to mark the page layout, in grid
// pixels. Type 1 marks a page break, type 3 the end of the header rows or the
// start of the footer rows (the line control's types).
struct PageBreakLine
{
    int lineType = 1;
    bool vertical = false;
    std::int64_t x = 0;
    std::int64_t y = 0;
    std::int64_t length = 0;

    bool operator==(const PageBreakLine &) const = default;
};

// The lines for a pagination result: a vertical line after every column band
// but the last over all rows, a horizontal one after every row band but the
// last over all columns, and the header/footer boundaries as wide as the
// first column band (the only columns those rows are printed with).
std::vector<PageBreakLine> pageBreakLines(const Report &report, const Pagination &pagination);

} // namespace cellvex
