#include "PageComposition.h"

#include "print/Pagination.h"

namespace cellvex {

std::vector<PageArea> composePage(const Pagination &pagination, int colBand, int rowBand)
{
    std::vector<PageArea> areas;
    if (pagination.pageNumber(colBand, rowBand) == 0)
        return areas;
    const std::vector<int> &cols = pagination.colPageStarts();
    const std::vector<int> &rows = pagination.rowPageStarts();
    const int firstBandEnd = cols[1] - 1;

    if (pagination.headerCount() > 0)
        areas.push_back({cols[0], firstBandEnd, 0, pagination.headerCount() - 1, 0, 0, false, 0, 0});

    PageArea body;
    body.firstCol = cols[std::size_t(colBand)];
    body.lastCol = cols[std::size_t(colBand) + 1] - 1;
    body.firstRow = rows[std::size_t(rowBand)];
    body.lastRow = rows[std::size_t(rowBand) + 1] - 1;
    body.xShift = pagination.colBandOffset(colBand);
    body.yShift = pagination.rowBandOffset(rowBand);
    body.pageTexts = true;
    body.pageNumber = pagination.pageNumber(colBand, rowBand);
    body.pageCount = pagination.pageCount();
    areas.push_back(body);

    if (pagination.footerCount() > 0) {
        // The body's row range ends where the footer rows begin.
        const int rowCount = rows.back() + pagination.footerCount();
        const std::int64_t otherBands = pagination.rowBandOffset(pagination.rowBandCount()) -
                                        pagination.rowPageHeights()[std::size_t(rowBand)];
        areas.push_back({cols[0], firstBandEnd, rowCount - pagination.footerCount(), rowCount - 1, 0,
                         otherBands, false, 0, 0});
    }
    return areas;
}

} // namespace cellvex
