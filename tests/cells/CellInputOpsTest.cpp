#include "report/CellInputOps.h"
#include "ReportHooks.h"
#include "report/CellKindOps.h"

#include <gtest/gtest.h>

#include <limits>

using namespace cellvex;

TEST(CellInputOps, FormatClearsTheCaptionOnlyWhereTheOldTextMayNotRead)
{
    struct Case
    {
        CellKind kind;
        int format;
        bool clears;
    } cases[] = {
        {CellKind::Text, 0, true},      {CellKind::Text, 1, true},      {CellKind::Text, 2, true},
        {CellKind::Text, 3, true},      {CellKind::Text, 11, true},     {CellKind::Text, 4, false},
        {CellKind::Text, 6, false},     {CellKind::Date, 6, true},      {CellKind::Date, 1, false},
        {CellKind::DropDown, 0, false}, {CellKind::DropDown, 6, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.kind) << " format " << c.format);
        Report r;
        if (c.kind == CellKind::Date)
            setDateTimeCell(r, 2, 3);
        else if (c.kind == CellKind::DropDown)
            setDropCell(r, 2, 3, QStringLiteral("12.5"));
        r.setCellCaption(2, 3, QStringLiteral("12.5"));
        r.setSaved(true);
        int events = 0;
        cellvex::test::ReportHooks listener{r};
        listener.changed = [&](int, int, const QString &v) {
            ++events;
            EXPECT_EQ(v, QString());
        };
        EXPECT_TRUE(setCellFormat(r, 2, 3, c.format, QStringLiteral("0.00")));
        EXPECT_EQ(r.cell(2, 3)->caption().isEmpty(), c.clears);
        EXPECT_EQ(events, c.clears ? 1 : 0);
        EXPECT_FALSE(r.saved());
        int type = 0;
        QString text;
        EXPECT_TRUE(cellFormat(r, 2, 3, type, text));
        EXPECT_EQ(type, c.format);
        EXPECT_EQ(text, QStringLiteral("0.00"));
    }
    Report r;
    int type = 0;
    QString text = QStringLiteral("stale");
    EXPECT_FALSE(cellFormat(r, 6, 0, type, text));
    EXPECT_EQ(type, -1);
    EXPECT_EQ(text, QString());
    EXPECT_FALSE(setCellFormat(r, -1, 0, 1, QString()));
    EXPECT_TRUE(r.saved());
}

TEST(CellInputOps, AttributesRoundTripAndMarkTheReportChanged)
{
    Report r;
    r.cell(1, 1)->setMerge(MergeSign::Covered, BlockBounds{0, 0, 1, 1}); // covered cells take attributes too
    for (int col : {0, 1}) {
        r.setSaved(true);
        EXPECT_TRUE(setCellIme(r, col, 1, QStringLiteral("中文(简体) - 微软拼音")));
        EXPECT_FALSE(r.saved());
        EXPECT_EQ(cellIme(r, col, 1), QStringLiteral("中文(简体) - 微软拼音"));
        r.setSaved(true);
        EXPECT_TRUE(setCellReadOnly(r, col, 1, true));
        EXPECT_FALSE(r.saved());
        EXPECT_TRUE(cellReadOnly(r, col, 1));
        r.setSaved(true);
        EXPECT_TRUE(setCellPrintHide(r, col, 1, true));
        EXPECT_FALSE(r.saved());
        EXPECT_TRUE(cellPrintHide(r, col, 1));
        EXPECT_TRUE(setCellPrintHide(r, col, 1, false));
        EXPECT_FALSE(cellPrintHide(r, col, 1));
    }
    r.setSaved(true);
    EXPECT_FALSE(setCellIme(r, 0, 30, QStringLiteral("x")));
    EXPECT_FALSE(setCellReadOnly(r, 6, 0, true));
    EXPECT_FALSE(setCellPrintHide(r, -1, 0, true));
    EXPECT_TRUE(r.saved());
    EXPECT_EQ(cellIme(r, 0, 30), QString());
    EXPECT_FALSE(cellReadOnly(r, 6, 0));
    EXPECT_FALSE(cellPrintHide(r, -1, 0));
}

TEST(CellInputOps, NextPositionIsStoredWithoutRangeTest)
{
    Report r;
    int col = 7, row = 7;
    EXPECT_TRUE(cellNextPos(r, 0, 0, col, row));
    EXPECT_EQ(col, -1); // none: the interface answers 0, 0
    EXPECT_EQ(row, -1);

    struct Case
    {
        std::int64_t col, row;
        int storedCol, storedRow;
    } cases[] = {
        {2, 3, 2, 3},
        {99, -5, 99, -5}, // outside the grid is kept as given
        {std::int64_t(std::numeric_limits<int>::min()) - 1, 0, std::numeric_limits<int>::min(), 0},
        {std::numeric_limits<int>::max(), 0, std::numeric_limits<int>::max() - 1, 0},
    };
    for (const Case &c : cases) {
        r.setSaved(true);
        EXPECT_TRUE(setCellNextPos(r, 0, 0, c.col, c.row));
        EXPECT_FALSE(r.saved());
        EXPECT_TRUE(cellNextPos(r, 0, 0, col, row));
        EXPECT_EQ(col, c.storedCol);
        EXPECT_EQ(row, c.storedRow);
    }
    r.setSaved(true);
    EXPECT_FALSE(setCellNextPos(r, 6, 0, 1, 1));
    EXPECT_TRUE(r.saved());
    EXPECT_FALSE(cellNextPos(r, 6, 0, col, row));
    EXPECT_EQ(col, -1);
    EXPECT_EQ(row, -1);
}
