#include "common/ReportError.h"
#include "export/xlsx/XlsxFileReader.h"
#include "export/xlsx/XlsxFileWriter.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace cellvex::xlsx;

namespace {

// A sheet with one of each thing the writer and the reader carry.
Worksheet sampleSheet()
{
    Worksheet s;
    s.name = QStringLiteral("Cellvex");
    SheetCell &a1 = s.cell(1, 1);
    a1.value = QStringLiteral("中文 text");
    a1.style.font = SheetFont{QStringLiteral("宋体"), 14, 0x123456, true, true, true, true};
    a1.style.filled = true;
    a1.style.interior = 0xFFEE00;
    a1.style.hAlign = SheetHAlign::Center;
    a1.style.vAlign = SheetVAlign::Top;
    a1.style.wrapText = true;
    a1.style.locked = false;
    SheetCell &b2 = s.cell(2, 2);
    b2.value = QStringLiteral("12.5");
    b2.number = true;
    b2.numberValue = 12.5;
    b2.style.hAlign = SheetHAlign::Right;
    b2.style.borders[SideLeft] = BorderLine::Thin;
    b2.style.borders[SideRight] = BorderLine::Dashed;
    b2.style.borders[SideTop] = BorderLine::DashDot;
    b2.style.borders[SideBottom] = BorderLine::Double;
    b2.style.borders[SideDiagonalDown] = BorderLine::Thin;
    s.cell(3, 1).value = QStringLiteral("merged");
    s.merge(SheetRange{3, 1, 4, 3});
    s.setColumnWidth(1, 9.375);
    s.setColumnWidth(2, 12.0 / 13);
    s.setRowHeight(1, 14.25);
    s.setRowHeight(3, 30);
    s.pageSetup() = SheetPageSetup{8, 2, 56.69, 28.35, 42.5, 70.87};
    return s;
}

} // namespace

TEST(XlsxRoundTrip, WhatIsWrittenReadsBack)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("book.xlsx"));
    writeWorkbook(sampleSheet(), file);
    const WorkbookContents in = readWorkbook(file);
    const Worksheet &s = in.sheet;

    ASSERT_NE(s.findCell(1, 1), nullptr);
    const SheetStyle &a1 = s.style(1, 1);
    EXPECT_EQ(s.findCell(1, 1)->value, QStringLiteral("中文 text"));
    EXPECT_EQ(a1.font, (SheetFont{QStringLiteral("宋体"), 14, 0x123456, true, true, true, true}));
    EXPECT_TRUE(a1.filled);
    EXPECT_EQ(a1.interior, 0xFFEE00u);
    EXPECT_EQ(a1.hAlign, SheetHAlign::Center);
    EXPECT_EQ(a1.vAlign, SheetVAlign::Top);
    EXPECT_TRUE(a1.wrapText);
    EXPECT_FALSE(a1.locked);

    EXPECT_EQ(s.findCell(2, 2)->value, QStringLiteral("12.5"));
    const auto &b = s.style(2, 2).borders;
    EXPECT_EQ(b[SideLeft], BorderLine::Thin);
    EXPECT_EQ(b[SideRight], BorderLine::Dashed);
    EXPECT_EQ(b[SideTop], BorderLine::DashDot);
    EXPECT_EQ(b[SideBottom], BorderLine::Double);
    EXPECT_EQ(b[SideDiagonalDown], BorderLine::Thin);
    EXPECT_EQ(b[SideDiagonalUp], BorderLine::None);
    EXPECT_TRUE(s.style(2, 2).locked);

    ASSERT_EQ(s.merges().size(), 1u);
    EXPECT_EQ(s.merges()[0], (SheetRange{3, 1, 4, 3}));
    EXPECT_EQ(s.findCell(3, 1)->value, QStringLiteral("merged"));
    EXPECT_EQ(in.used, (SheetRange{1, 1, 4, 3}));

    EXPECT_NEAR(s.columnWidth(1), 9.43, 0.01); // whole pixels of the program's digit
    EXPECT_NEAR(s.columnWidth(2), 11.0 / 12, 1e-9);
    EXPECT_NEAR(s.columnWidth(5), Worksheet::kDefaultColumnWidth, 0.01);
    EXPECT_DOUBLE_EQ(s.rowHeight(1), 14.25);
    EXPECT_DOUBLE_EQ(s.rowHeight(3), 30);
    EXPECT_DOUBLE_EQ(s.rowHeight(2), Worksheet::kDefaultRowHeight);

    const SheetPageSetup &p = s.pageSetup();
    EXPECT_EQ(p.paperSize, 8);
    EXPECT_EQ(p.orientation, 2);
    EXPECT_NEAR(p.leftMargin, 56.69, 0.01);
    EXPECT_NEAR(p.rightMargin, 28.35, 0.01);
    EXPECT_NEAR(p.topMargin, 42.5, 0.01);
    EXPECT_NEAR(p.bottomMargin, 70.87, 0.01);
}

TEST(XlsxRoundTrip, AWindowKeepsOnlyItsCellsButTheUsedRangeIsTheSheets)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("book.xlsx"));
    writeWorkbook(sampleSheet(), file);
    const WorkbookContents in = readWorkbook(file, {}, SheetRange{2, 2, 2, 2});
    EXPECT_EQ(in.sheet.cells().size(), 1u);
    EXPECT_NE(in.sheet.findCell(2, 2), nullptr);
    EXPECT_EQ(in.used, (SheetRange{1, 1, 4, 3}));
    EXPECT_EQ(in.sheet.columnWidths().count(1), 0u);
}

TEST(XlsxRoundTrip, AFailedSaveKeepsTheOldFileAndLeavesNoTemporaryFile)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("book.xlsx"));
    writeWorkbook(sampleSheet(), file);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();

    Worksheet bad;
    bad.cell(1, 1).value = QString(40000, QLatin1Char('x')); // beyond the program's cell text
    try {
        writeWorkbook(bad, file);
        FAIL() << "saved";
    } catch (const cellvex::ReportError &e) {
        EXPECT_TRUE(QString(e.message()).contains(QStringLiteral("A1"))) << e.message().toStdString();
    }
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("book.xlsx")});

    EXPECT_THROW(writeWorkbook(sampleSheet(), dir.filePath(QStringLiteral("missing/book.xlsx"))),
                 cellvex::ReportError);
    EXPECT_THROW(writeWorkbook(sampleSheet(), dir.path()), cellvex::ReportError);
}

TEST(XlsxValues, DatesAsTheProgramConvertsThemToText)
{
    struct Case
    {
        double serial;
        bool date1904;
        const char *text;
    };
    for (const Case &c :
         {Case{45000, false, "2023-03-15"}, Case{45000.5, false, "2023-03-15 12:00:00"},
          Case{0.25, false, "06:00:00"}, Case{59, false, "1900-02-28"}, Case{61, false, "1900-03-01"},
          Case{1, false, "1900-01-01"}, Case{0, true, "1904-01-01"},
          Case{45000.99999999, false, "2023-03-16"}, Case{-1, false, "-1"}})
        EXPECT_EQ(dateValueText(c.serial, c.date1904), QString::fromLatin1(c.text)) << c.serial;
}

TEST(XlsxValues, CellReferences)
{
    struct Case
    {
        const char *text;
        bool ok;
        int row, col;
    };
    for (const Case &c :
         {Case{"A1", true, 1, 1}, Case{"B12", true, 12, 2}, Case{"$AA$3", true, 3, 27},
          Case{"XFD1048576", true, 1048576, 16384}, Case{"XFE1", false, 0, 0}, Case{"A1048577", false, 0, 0},
          Case{"A0", false, 0, 0}, Case{"1A", false, 0, 0}, Case{"a1", false, 0, 0}, Case{"", false, 0, 0},
          Case{"A99999999999", false, 0, 0}}) {
        int row = 0, col = 0;
        EXPECT_EQ(parseCellReference(c.text, row, col), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(row, c.row) << c.text;
            EXPECT_EQ(col, c.col) << c.text;
        }
    }
}
