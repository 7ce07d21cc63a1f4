#include "Pagination.h"

#include "report/PageSettings.h"
#include "report/Report.h"

#include <algorithm>

namespace cellvex {

namespace {

std::int64_t headerRowsHeight(const RulerModel &rows, int headerCount)
{
    return rows.poleEdge(headerCount);
}

std::int64_t footerRowsHeight(const RulerModel &rows, int footerCount)
{
    return rows.totalLength() - rows.poleEdge(rows.count() - footerCount);
}

} // namespace

void Pagination::validateHeaderFooter(Report &report, const PageSettings &settings)
{
    int header = std::max(report.headerCount(), 0);
    int footer = std::max(report.footerCount(), 0);
    const RulerModel &rows = report.rowRuler();
    // 64-bit sum: two large counts must not wrap round to a small one.
    if (std::int64_t(header) + footer >= rows.count()) {
        header = footer = 0;
    } else {
        const std::int64_t used = headerRowsHeight(rows, header) + footerRowsHeight(rows, footer);
        if (used >= settings.printableHeightPx())
            header = footer = 0;
    }
    if (header != report.headerCount())
        report.setHeaderCount(header);
    if (footer != report.footerCount())
        report.setFooterCount(footer);
}

void cutIntoBands(const RulerModel &ruler, int first, int end, std::int64_t start, std::int64_t limit,
                  std::vector<int> &starts, std::vector<std::int64_t> &sizes)
{
    starts.assign(1, first);
    sizes.clear();
    int i = first;
    while (i < end) {
        const int s = i;
        std::int64_t x = start + ruler.panelRange(i++);
        while (x <= limit && i < end)
            x += ruler.panelRange(i++);
        if (x > limit) {
            const int k = i - 1;
            if (k > s) {
                // The last pole overflowed: it opens the next band instead.
                x -= ruler.panelRange(k);
                i = k;
            }
            // else a single pole longer than the space: it is a band of its
            // own and is cut off at the page edge when drawn.
        }
        starts.push_back(i);
        sizes.push_back(x - start);
    }
}

void Pagination::paginate(Report &report, const PageSettings &settings)
{
    validateHeaderFooter(report, settings);
    const RulerModel &cols = report.colRuler();
    const RulerModel &rows = report.rowRuler();
    m_headerCount = report.headerCount();
    m_footerCount = report.footerCount();
    m_headerHeight = headerRowsHeight(rows, m_headerCount);
    m_footerHeight = footerRowsHeight(rows, m_footerCount);

    cutIntoBands(cols, 0, cols.count(), settings.leftMargin.pixels,
                 settings.width.pixels - settings.rightMargin.pixels, m_colStarts, m_colWidths);
    cutIntoBands(
        rows, m_headerCount, rows.count() - m_footerCount, settings.topMargin.pixels + m_headerHeight,
        settings.height.pixels - m_footerHeight - settings.bottomMargin.pixels, m_rowStarts, m_rowHeights);
}

std::int64_t Pagination::pageNumber(int colBand, int rowBand) const
{
    if (colBand < 0 || colBand >= colBandCount() || rowBand < 0 || rowBand >= rowBandCount())
        return 0;
    return std::int64_t(colBand) * rowBandCount() + rowBand + 1;
}

bool Pagination::bandsOfPage(std::int64_t pageNumber, int &colBand, int &rowBand) const
{
    if (pageNumber < 1 || pageNumber > pageCount())
        return false;
    colBand = int((pageNumber - 1) / rowBandCount());
    rowBand = int((pageNumber - 1) % rowBandCount());
    return true;
}

std::int64_t Pagination::colBandOffset(int band) const
{
    band = std::clamp(band, 0, colBandCount());
    std::int64_t sum = 0;
    for (int b = 0; b < band; ++b)
        sum += m_colWidths[size_t(b)];
    return sum;
}

std::int64_t Pagination::rowBandOffset(int band) const
{
    band = std::clamp(band, 0, rowBandCount());
    std::int64_t sum = 0;
    for (int b = 0; b < band; ++b)
        sum += m_rowHeights[size_t(b)];
    return sum;
}

} // namespace cellvex
