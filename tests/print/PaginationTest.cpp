#include "print/Pagination.h"
#include "PagedReport.h"
#include "print/PageBreakLines.h"
#include "print/PageComposition.h"
#include "print/PageText.h"
#include "report/PageSettings.h"
#include "report/Report.h"

#include <gtest/gtest.h>

#include <limits>

using namespace cellvex;

namespace {

using test::shapeReport;

std::vector<int> repeat(int count, int size)
{
    return std::vector<int>(size_t(count), size);
}

// Two columns of 80 over rows of these heights with the header and footer
// counts asked for, cut into pages at 96 pixels per inch.
Pagination paginateRows(Report &report, const std::vector<int> &heights, int header, int footer)
{
    shapeReport(report, repeat(2, 80), heights);
    report.setHeaderCount(header);
    report.setFooterCount(footer);
    Pagination p;
    p.paginate(report, PageSettings(96));
    return p;
}

using I64 = std::vector<std::int64_t>;

} // namespace

// Default A4 portrait at 96 ppi: 794 x 1123 pixels, margins 76, so columns
// fit from x 76 up to 718 and rows from y 76 up to 1047.
TEST(Pagination, ColumnBandsCutAtTheRightMargin)
{
    struct Case
    {
        const char *name;
        std::vector<int> widths;
        std::vector<int> starts;
        I64 bandWidths;
    };
    const Case cases[] = {
        {"all fit", repeat(6, 80), {0, 6}, {480}},
        {"100-pixel columns, 6 a page", repeat(12, 100), {0, 6, 12}, {600, 600}},
        {"ending exactly at the limit fits", {321, 321, 1}, {0, 2, 3}, {642, 1}},
        {"wide column between its neighbours", {100, 800, 100}, {0, 1, 2, 3}, {100, 800, 100}},
        {"wide first column", {800, 100}, {0, 1, 2}, {800, 100}},
        {"wide last column", {100, 100, 900}, {0, 2, 3}, {200, 900}},
        {"zero-width columns join the band", {0, 0, 0}, {0, 3}, {0}},
        {"zero width at the limit, then overflow", {642, 0, 5}, {0, 2, 3}, {642, 5}},
        {"no columns", {}, {0}, {}},
    };
    for (const Case &c : cases) {
        Report report;
        shapeReport(report, c.widths, repeat(3, 19));
        Pagination p;
        p.paginate(report, PageSettings(96));
        EXPECT_EQ(p.colPageStarts(), c.starts) << c.name;
        EXPECT_EQ(p.colPageWidths(), c.bandWidths) << c.name;
        EXPECT_EQ(p.colBandCount(), int(c.bandWidths.size())) << c.name;
    }
}

TEST(Pagination, RowBandsCutAtTheBottomMarginAndNeverStayEmpty)
{
    struct Case
    {
        const char *name;
        std::vector<int> heights;
        int header, footer;
        std::vector<int> starts;
        I64 bandHeights;
    };
    const Case cases[] = {
        {"30 default rows fit", repeat(30, 19), 0, 0, {0, 30}, {570}},
        {"51 rows of 19 a page", repeat(120, 19), 0, 0, {0, 51, 102, 120}, {969, 969, 342}},
        // Header 38 and footer 19 leave 1028 - 114 = 914 pixels: 48 rows.
        {"header and footer repeated", repeat(100, 19), 2, 1, {2, 50, 98, 99}, {912, 912, 19}},
        {"tall body row alone", {19, 2000, 19}, 0, 0, {0, 1, 2, 3}, {19, 2000, 19}},
        {"tall body row with a header row", {19, 19, 2000, 19}, 1, 0, {1, 2, 3, 4}, {19, 2000, 19}},
        {"zero-height rows", {0, 0, 0, 0}, 1, 1, {1, 3}, {0}},
    };
    for (const Case &c : cases) {
        Report report;
        const Pagination p = paginateRows(report, c.heights, c.header, c.footer);
        EXPECT_EQ(report.headerCount(), c.header) << c.name;
        EXPECT_EQ(report.footerCount(), c.footer) << c.name;
        EXPECT_EQ(p.rowPageStarts(), c.starts) << c.name;
        EXPECT_EQ(p.rowPageHeights(), c.bandHeights) << c.name;
        for (std::int64_t h : p.rowPageHeights())
            EXPECT_GE(h, 0) << c.name;
    }
}

TEST(Pagination, HeaderAndFooterRowsThatCannotRepeatAreDropped)
{
    const int max = std::numeric_limits<int>::max();
    // Printable height is 1123 - 2 x 76 = 971 pixels.
    struct Case
    {
        const char *name;
        std::vector<int> heights;
        int header, footer;
        int expectedHeader, expectedFooter;
    };
    const Case cases[] = {
        {"3 rows, header 2 and footer 1", repeat(3, 19), 2, 1, 0, 0},
        {"header as many as the rows", repeat(5, 19), 5, 0, 0, 0},
        {"one body row left", repeat(5, 19), 4, 0, 4, 0},
        {"footer only", repeat(5, 19), 0, 4, 0, 4},
        {"no rows at all", {}, 0, 0, 0, 0},
        {"header taller than the page", {1000, 19, 19}, 1, 0, 0, 0},
        {"together exactly the printable height", {500, 19, 471}, 1, 1, 0, 0},
        {"together one pixel less", {500, 19, 470}, 1, 1, 1, 1},
        {"negative header is read as none", repeat(10, 19), -1, 2, 0, 2},
        {"negative footer is read as none", repeat(10, 19), 3, -7, 3, 0},
        {"counts whose sum wraps in 32 bit", repeat(10, 19), max, max, 0, 0},
    };
    for (const Case &c : cases) {
        Report report;
        const Pagination p = paginateRows(report, c.heights, c.header, c.footer);
        EXPECT_EQ(report.headerCount(), c.expectedHeader) << c.name;
        EXPECT_EQ(report.footerCount(), c.expectedFooter) << c.name;
        EXPECT_EQ(p.headerCount(), c.expectedHeader) << c.name;
        EXPECT_EQ(p.rowPageStarts().front(), c.expectedHeader) << c.name;
        EXPECT_EQ(p.rowPageStarts().back(), int(c.heights.size()) - c.expectedFooter) << c.name;
    }
}

TEST(Pagination, DroppingHeaderRowsLeavesSavedAlone)
{
    Report report;
    shapeReport(report, repeat(2, 80), repeat(3, 19));
    report.setHeaderCount(3);
    ASSERT_TRUE(report.saved());
    Pagination p;
    p.paginate(report, PageSettings(96));
    EXPECT_EQ(report.headerCount(), 0);
    EXPECT_TRUE(report.saved());
}

TEST(Pagination, MarginsLargerThanThePaperStillCutEveryPoleOnce)
{
    Report report;
    shapeReport(report, repeat(5, 80), repeat(4, 19));
    PageSettings settings(96);
    settings.leftMargin = PaperLength::fromMillimetres(300, 96);
    settings.topMargin = PaperLength::fromMillimetres(-50, 96);
    settings.bottomMargin = PaperLength::fromMillimetres(400, 96);
    Pagination p;
    p.paginate(report, settings);
    EXPECT_EQ(p.colPageStarts(), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(p.rowPageStarts(), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(p.pageCount(), 20);
}

TEST(Pagination, SumsBeyondThirtyTwoBitsDoNotWrap)
{
    // Three columns and rows of 2^30 pixels: any two together pass the
    // 32-bit range, where a wrapped sum would look small and "fit".
    const int big = 1 << 30;
    Report report;
    shapeReport(report, repeat(3, big), repeat(3, big));
    PageSettings settings(96);
    settings.width = PaperLength::fromMillimetres(1e12, 96); // clamped to the 32-bit range
    settings.height = PaperLength::fromMillimetres(1e12, 96);
    settings.leftMargin = settings.rightMargin = settings.topMargin = settings.bottomMargin =
        PaperLength::fromMillimetres(0, 96);
    report.setHeaderCount(1);
    report.setFooterCount(1);
    Pagination p;
    p.paginate(report, settings);
    // Header and footer together (2^31) do not fit in 2^31 - 1 pixels.
    EXPECT_EQ(report.headerCount(), 0);
    EXPECT_EQ(report.footerCount(), 0);
    EXPECT_EQ(p.colPageStarts(), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(p.rowPageStarts(), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(p.colBandOffset(3), 3LL * big);
    const std::vector<PageBreakLine> lines = pageBreakLines(report, p);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1], (PageBreakLine{1, true, 2LL * big, 0, 3LL * big}));
}

TEST(Pagination, PagesRunDownFirstThenAcross)
{
    Report report;
    shapeReport(report, repeat(12, 100), repeat(120, 19)); // 2 column bands, 3 row bands
    Pagination p;
    p.paginate(report, PageSettings(96));
    ASSERT_EQ(p.colBandCount(), 2);
    ASSERT_EQ(p.rowBandCount(), 3);
    EXPECT_EQ(p.pageCount(), 6);
    EXPECT_EQ(p.pageNumber(0, 0), 1);
    EXPECT_EQ(p.pageNumber(0, 2), 3);
    EXPECT_EQ(p.pageNumber(1, 0), 4);
    EXPECT_EQ(p.pageNumber(2, 0), 0);
    EXPECT_EQ(p.pageNumber(0, -1), 0);
    int c = -1, r = -1;
    ASSERT_TRUE(p.bandsOfPage(4, c, r));
    EXPECT_EQ(c, 1);
    EXPECT_EQ(r, 0);
    EXPECT_FALSE(p.bandsOfPage(0, c, r));
    EXPECT_FALSE(p.bandsOfPage(7, c, r));

    const std::vector<PageArea> areas = composePage(p, 1, 0);
    ASSERT_EQ(areas.size(), 1u);
    EXPECT_EQ(expandPageText(QStringLiteral("@pno/@pages"), areas[0].pageNumber, areas[0].pageCount),
              QStringLiteral("4/6"));
}

TEST(Pagination, PageShowsHeaderRowsOfTheFirstBandAndFooterRowsBelowItsBody)
{
    Report report;
    shapeReport(report, repeat(12, 100), repeat(100, 19));
    report.setHeaderCount(2);
    report.setFooterCount(1);
    Pagination p;
    p.paginate(report, PageSettings(96)); // rows: bands [2,50) [50,98) [98,99)
    const std::vector<PageArea> areas = composePage(p, 1, 1);
    ASSERT_EQ(areas.size(), 3u);
    EXPECT_EQ(areas[0], (PageArea{0, 5, 0, 1, 0, 0, false, 0, 0}));
    EXPECT_EQ(areas[1], (PageArea{6, 11, 50, 97, 600, 912, true, 5, 6}));
    // Footer shift: all bands but this one (912 + 19), so the footer row at
    // y 38 + 912 + 912 + 19 lands at 38 + 912 on the page, below the body.
    EXPECT_EQ(areas[2], (PageArea{0, 5, 99, 99, 0, 931, false, 0, 0}));
    EXPECT_TRUE(composePage(p, 2, 0).empty());
    EXPECT_TRUE(composePage(p, 0, 3).empty());
}

TEST(Pagination, BreakLinesMarkBandsAndTheRepeatedRows)
{
    Report report;
    shapeReport(report, repeat(12, 100), repeat(100, 19));
    report.setHeaderCount(2);
    report.setFooterCount(1);
    Pagination p;
    p.paginate(report, PageSettings(96));
    const std::vector<PageBreakLine> expected = {
        {1, true, 600, 0, 1900},   // after the first column band, over all rows
        {1, false, 0, 950, 1200},  // header 38 + 912
        {1, false, 0, 1862, 1200}, // + 912
        {3, false, 0, 38, 600},    // below the header rows, first band wide
        {3, false, 0, 1881, 600},  // above the footer row
    };
    EXPECT_EQ(pageBreakLines(report, p), expected);
}

TEST(Pagination, ReportThatFitsHasNoBreakLines)
{
    Report report; // 6 x 30 cells of 80 x 19
    Pagination p;
    p.paginate(report, PageSettings(96));
    EXPECT_EQ(p.colPageStarts(), (std::vector<int>{0, 6}));
    EXPECT_EQ(p.pageCount(), p.rowBandCount());
    EXPECT_EQ(p.pageCount(), 1);
    EXPECT_TRUE(pageBreakLines(report, p).empty());
}

TEST(Pagination, EmptyReportHasNoPages)
{
    Report report;
    report.newReport(0, 0);
    Pagination p;
    p.paginate(report, PageSettings(96));
    EXPECT_EQ(p.pageCount(), 0);
    EXPECT_TRUE(pageBreakLines(report, p).empty());
    EXPECT_TRUE(composePage(p, 0, 0).empty());
}
