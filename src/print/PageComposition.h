#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace cellvex {

class Pagination;

// One rectangle of cells drawn onto a page: columns and rows inclusive,
// shifted so that the first cell lands at the page's top-left margin corner.
// Only the body carries the page header and footer texts.
struct PageArea
{
    int firstCol = 0;
    int lastCol = -1;
    int firstRow = 0;
    int lastRow = -1;
    std::int64_t xShift = 0;
    std::int64_t yShift = 0;
    bool pageTexts = false;
    std::int64_t pageNumber = 0;
    std::int64_t pageCount = 0;

    bool operator==(const PageArea &) const = default;
};

// What the page of column band c and row band r shows, in drawing order: the
// header rows (with the first column band, as on the first page), the body
// band, and the footer rows directly below the body. Empty for a band pair
// outside the result.
std::vector<PageArea> composePage(const Pagination &pagination, int colBand, int rowBand);

} // namespace cellvex
