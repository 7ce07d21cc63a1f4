#include "export/xlsx/SheetUnits.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace cellvex::xlsx;

TEST(SheetUnits, ColumnWidthsBothWays)
{
    struct Case
    {
        int pixels;
        double width;
    };
    for (const Case &c : {Case{80, 9.375}, Case{12, 12.0 / 13}, Case{13, 1}, Case{21, 2}, Case{0, 0},
                          Case{1, 1.0 / 13}, Case{14, 1.125}}) {
        EXPECT_DOUBLE_EQ(columnWidthFromPixels(c.pixels), c.width) << c.pixels;
        EXPECT_EQ(pixelsFromColumnWidth(c.width), c.pixels) << c.width;
    }
    // What the program shows for stored widths comes back to the same pixels.
    EXPECT_EQ(pixelsFromColumnWidth(9.43), 80);
    EXPECT_EQ(pixelsFromColumnWidth(-3), 0);
    EXPECT_EQ(pixelsFromColumnWidth(NAN), 0);
}

TEST(SheetUnits, StoredWidthsAreThoseOfTheWriterAndReadBack)
{
    // libxlsxwriter stores ColumnWidth 9.375 as 10.140625 (padding added,
    // rounded to whole pixels of a 7-pixel digit).
    EXPECT_DOUBLE_EQ(storedFromColumnWidth(9.375), 10.140625);
    EXPECT_DOUBLE_EQ(storedFromColumnWidth(8.43), 9.140625);
    EXPECT_EQ(pixelsFromColumnWidth(columnWidthFromStored(10.140625)), 80);
    EXPECT_EQ(pixelsFromColumnWidth(columnWidthFromStored(storedFromColumnWidth(12.0 / 13))), 12);
    EXPECT_DOUBLE_EQ(columnWidthFromStored(0), 0);
    // Every report width survives the trip within a pixel: the program keeps
    // whole pixels of its own digit, 8/7 of ours.
    for (int px = 0; px <= 400; ++px) {
        const int back =
            pixelsFromColumnWidth(columnWidthFromStored(storedFromColumnWidth(columnWidthFromPixels(px))));
        EXPECT_LE(std::abs(back - px), 1) << px;
    }
}

TEST(SheetUnits, RowHeightsAndMargins)
{
    EXPECT_DOUBLE_EQ(rowHeightFromPixels(19), 14.25);
    EXPECT_EQ(pixelsFromRowHeight(14.25), 19);
    EXPECT_EQ(pixelsFromRowHeight(15), 20);
    EXPECT_EQ(pixelsFromRowHeight(0), 0);

    EXPECT_NEAR(marginPoints(20, 96), 56.6929, 1e-4);
    EXPECT_NEAR(marginPoints(20, 120), 70.8661, 1e-4);
    struct Case
    {
        double points;
        int ppi;
        const char *text;
    };
    for (const Case &c : {Case{56.69291, 96, "20.0"}, Case{70.8661, 120, "20.0"}, Case{50.4, 96, "18.0"},
                          Case{54, 96, "19.0"}, Case{0, 96, "0.0"}, Case{NAN, 96, "0.0"}})
        EXPECT_EQ(marginMillimetreText(c.points, c.ppi), QString::fromLatin1(c.text)) << c.points;
}
