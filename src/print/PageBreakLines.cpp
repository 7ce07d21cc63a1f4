#include "PageBreakLines.h"

#include "print/Pagination.h"
#include "report/Report.h"

namespace cellvex {

std::vector<PageBreakLine> pageBreakLines(const Report &report, const Pagination &pagination)
{
    std::vector<PageBreakLine> lines;
    const std::int64_t allWidth = report.colRuler().totalLength();
    const std::int64_t allHeight = report.rowRuler().totalLength();

    std::int64_t x = 0;
    for (int b = 0; b + 1 < pagination.colBandCount(); ++b) {
        x += pagination.colPageWidths()[size_t(b)];
        lines.push_back({1, true, x, 0, allHeight});
    }
    std::int64_t y = pagination.headerHeight();
    for (int b = 0; b + 1 < pagination.rowBandCount(); ++b) {
        y += pagination.rowPageHeights()[size_t(b)];
        lines.push_back({1, false, 0, y, allWidth});
    }

    const std::int64_t firstBandWidth = pagination.colBandCount() > 0 ? pagination.colPageWidths()[0] : 0;
    if (pagination.headerCount() > 0)
        lines.push_back({3, false, 0, pagination.headerHeight(), firstBandWidth});
    if (pagination.footerCount() > 0)
        lines.push_back({3, false, 0, allHeight - pagination.footerHeight(), firstBandWidth});
    return lines;
}

} // namespace cellvex
