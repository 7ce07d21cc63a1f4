#include "export/xlsx/ReportFromSheet.h"
#include "common/ReportError.h"

#include <gtest/gtest.h>

using namespace cellvex;
using namespace cellvex::xlsx;

TEST(ReportFromSheet, OverlappingMergedAreasKeepTheFirstAndAllAreClipped)
{
    Worksheet sheet;
    sheet.merge(SheetRange{1, 1, 2, 2}); // A1:B2, only B2 inside: no block
    sheet.merge(SheetRange{3, 2, 9, 3}); // B3:C9 -> B3:C4
    sheet.merge(SheetRange{4, 3, 4, 4}); // C4:D4 overlaps the one before: left out
    sheet.merge(SheetRange{2, 4, 3, 4}); // D2:D3
    const ImportRange range{2, 4, 2, 4}; // B2:D4
    const LoadedReport r = reportFromSheet(sheet, range, false, 96);
    ASSERT_EQ(r.cells.colCount(), 3);
    ASSERT_EQ(r.cells.rowCount(), 3);
    EXPECT_EQ(r.cells.at(0, 0).sign(), MergeSign::None);
    EXPECT_EQ(r.cells.at(0, 1).sign(), MergeSign::Master);
    EXPECT_EQ(r.cells.at(0, 1).block().right, 1);
    EXPECT_EQ(r.cells.at(0, 1).block().bottom, 2);
    EXPECT_EQ(r.cells.at(2, 2).sign(), MergeSign::None);
    EXPECT_EQ(r.cells.at(2, 0).sign(), MergeSign::Master);
    EXPECT_EQ(r.cells.at(2, 1).sign(), MergeSign::Covered);
}

TEST(ReportFromSheet, WithoutAPrinterThePageIsTheDefaultOne)
{
    Worksheet sheet;
    sheet.pageSetup() = SheetPageSetup{8, 2, 10, 10, 10, 10};
    const LoadedReport without = reportFromSheet(sheet, ImportRange{1, 1, 1, 1}, false, 96);
    EXPECT_FALSE(without.page.landscape);
    EXPECT_EQ(without.page.width.text, QStringLiteral("210.0"));
    EXPECT_EQ(without.page.leftMargin.text, QStringLiteral("20.0"));
    const LoadedReport with = reportFromSheet(sheet, ImportRange{1, 1, 1, 1}, true, 96);
    EXPECT_TRUE(with.page.landscape);
    EXPECT_EQ(with.page.width.text, QStringLiteral("420.0")); // A3 across
    EXPECT_EQ(with.page.leftMargin.text, QStringLiteral("4.0"));
    // A paper code the table has no paper for is A4.
    sheet.pageSetup().paperSize = 200;
    sheet.pageSetup().orientation = 1;
    EXPECT_EQ(reportFromSheet(sheet, ImportRange{1, 1, 1, 1}, true, 96).page.height.text,
              QStringLiteral("297.0"));
}

TEST(ReportFromSheet, RangesThatAreRefused)
{
    const SheetRange used{1, 1, 5, 4}; // A1:D5
    struct Case
    {
        ImportRange range;
        const char *fragment; // nullptr: accepted
    };
    for (const Case &c :
         {Case{{2, 4, 2, 5}, nullptr}, Case{{1, 4, 1, 5}, nullptr}, Case{{3, 2, 1, 1}, "column"},
          Case{{1, 1, 3, 2}, "row"}, Case{{0, 1, 1, 1}, "before the first"},
          Case{{1, 5, 1, 1}, "beyond A1:D5"}, Case{{1, 1, 1, 6}, "beyond A1:D5"}}) {
        try {
            checkImportRange(c.range, used);
            EXPECT_EQ(c.fragment, nullptr) << "accepted";
        } catch (const ReportError &e) {
            ASSERT_NE(c.fragment, nullptr) << e.message().toStdString();
            EXPECT_TRUE(e.message().contains(QString::fromLatin1(c.fragment))) << e.message().toStdString();
        }
    }
    EXPECT_THROW(checkImportRange(ImportRange{1, 1, 1, 1}, SheetRange{1, 1, 0, 0}), ReportError);
}
