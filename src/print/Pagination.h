#pragma once

#include <cstdint>
#include <vector>

namespace cellvex {

class Report;
class RulerModel;
struct PageSettings;

// Where the report is cut into pages: column bands across, body-row bands
// down, with the header and footer rows repeated on every page. Widget free;
// the control draws the page-break lines from it and printing and preview
// draw the pages. Sums are 64 bit: a band or a margin plus a band can exceed
// the 32-bit range on large reports.
class Pagination
{
public:
    // Drops header and footer rows that cannot be repeated: negative counts
    // become 0, and both become 0 when together they leave no body row or do
    // not fit between the top and bottom margins. Writes the counts back into
    // the report (they read back 0 afterwards).
    static void validateHeaderFooter(Report &report, const PageSettings &settings);

    // Validates the header/footer rows, then recomputes every band.
    void paginate(Report &report, const PageSettings &settings);

    // Column band b holds columns colPageStarts[b] .. colPageStarts[b+1]-1.
    const std::vector<int> &colPageStarts() const { return m_colStarts; }
    // Row band b holds body rows rowPageStarts[b] .. rowPageStarts[b+1]-1.
    const std::vector<int> &rowPageStarts() const { return m_rowStarts; }
    const std::vector<std::int64_t> &colPageWidths() const { return m_colWidths; }
    const std::vector<std::int64_t> &rowPageHeights() const { return m_rowHeights; }

    int colBandCount() const { return int(m_colWidths.size()); }
    int rowBandCount() const { return int(m_rowHeights.size()); }
    std::int64_t pageCount() const { return std::int64_t(colBandCount()) * rowBandCount(); }
    // Pages run down first, then across: 1-based number of a band pair, or 0
    // when the pair is outside the result.
    std::int64_t pageNumber(int colBand, int rowBand) const;
    // The band pair of a 1-based page number; false outside 1..pageCount().
    bool bandsOfPage(std::int64_t pageNumber, int &colBand, int &rowBand) const;

    // Summed heights of the repeated rows when the result was computed.
    std::int64_t headerHeight() const { return m_headerHeight; }
    std::int64_t footerHeight() const { return m_footerHeight; }
    int headerCount() const { return m_headerCount; }
    int footerCount() const { return m_footerCount; }

    // Sum of the widths of column bands 0..band-1 (the body's x shift).
    std::int64_t colBandOffset(int band) const;
    // Sum of the heights of row bands 0..band-1 (the body's y shift).
    std::int64_t rowBandOffset(int band) const;

private:
    std::vector<int> m_colStarts{0};
    std::vector<int> m_rowStarts{0};
    std::vector<std::int64_t> m_colWidths;
    std::vector<std::int64_t> m_rowHeights;
    std::int64_t m_headerHeight = 0;
    std::int64_t m_footerHeight = 0;
    int m_headerCount = 0;
    int m_footerCount = 0;
};

// Cuts poles first..end-1 into bands that fit from `start` up to `limit`
// (both in page pixels). A band always takes at least one pole, so a pole
// longer than the space forms a band of its own and the cut always ends.
// `starts` receives first and the first pole of every further band, then end;
// `sizes` the summed length of each band.
void cutIntoBands(const RulerModel &ruler, int first, int end, std::int64_t start, std::int64_t limit,
                  std::vector<int> &starts, std::vector<std::int64_t> &sizes);

} // namespace cellvex
