#include "../print/FakePrinterService.h"
#include "ControlObject.h"
#include "cells/CellCapacity.h"
#include "common/SystemMemory.h"
#include "control/ReportActions.h"
#include "control/input/InPlaceEditor.h"
#include "export/xlsx/XlsxFileReader.h"
#include "export/xlsx/XlsxFileWriter.h"
#include "report/Report.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <climits>

#include <gtest/gtest.h>

using namespace cellvex;
using namespace cellvex::automation;
using cellvex::xlsx::BorderLine;
using cellvex::xlsx::SheetRange;

namespace {

using Id = MemberId;
using V = Variant;

// A control on a fake printer with a 3 x 2 report: widths 80, 12, 50,
// heights 19, 30, values and some formatting, marked saved.
struct ExcelMembers : ::testing::Test, test::ControlObject
{
    ExcelMembers()
    {
        c().setPrinterService(printer);
        m().NewReport(3, 2);
        for (const auto &[col, width] : {std::pair{1, 80}, std::pair{2, 12}, std::pair{3, 50}})
            m().call(Id::SetColWidth, {V::fromLong(col), V::fromLong(width)});
        m().call(Id::SetRowHeight, {V::fromLong(1), V::fromLong(19)});
        m().call(Id::SetRowHeight, {V::fromLong(2), V::fromLong(30)});
        EXPECT_EQ(o->SetCellValue(1, 1, QStringLiteral("text")), S_OK);
        EXPECT_EQ(o->SetCellValue(2, 1, QStringLiteral("12.5")), S_OK);
        EXPECT_EQ(o->SetCellValue(3, 2, QStringLiteral("007")), S_OK);
        m().SetFontStyleBold(1, 1, true);
        m().SetFontColor(1, 1, 0x0000FF); // red as 0x00BBGGRR
        m().SetCellBackColor(1, 1, 0x00FFFF);
        m().SetLabelHAlignment(1, 1, 2);
        m().SetMultiLine(1, 1, true);
        m().SetCellBorders(3, 2, 3, 1);
        m().SetCellBorders(3, 2, 4, 1);
        m().setSaved(true);
    }

    QString file(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
    QString failure(const std::function<void()> &call)
    {
        try {
            call();
        } catch (const ReportError &e) {
            return e.message();
        }
        return QStringLiteral("(no failure)");
    }
    // A factory that counts how often the program was started.
    void countStarts(bool missing = false)
    {
        c().actions().setSpreadsheetProgram([this, missing]() -> std::unique_ptr<xlsx::SpreadsheetProgram> {
            ++starts;
            return missing ? nullptr : std::make_unique<xlsx::SpreadsheetProgram>();
        });
    }

    QTemporaryDir dir;
    std::shared_ptr<FakePrinterService> printer = std::make_shared<FakePrinterService>();
    int starts = 0;
};

} // namespace

TEST_F(ExcelMembers, TransExcelWritesTheReportInTheProgramsUnits)
{
    const QString out = file("report.xlsx");
    m().TransExcel(out, false, 0, 0, 0, 0);
    EXPECT_TRUE(saved());
    const xlsx::WorkbookContents book = xlsx::readWorkbook(out);
    const xlsx::Worksheet &s = book.sheet;
    EXPECT_EQ(book.used, (SheetRange{1, 1, 2, 3}));
    EXPECT_NEAR(s.columnWidth(1), 9.43, 0.01); // 9.375 in whole pixels of the program's digit
    EXPECT_NEAR(s.columnWidth(2), 11.0 / 12, 1e-6);
    EXPECT_DOUBLE_EQ(s.rowHeight(1), 14.25);
    EXPECT_DOUBLE_EQ(s.rowHeight(2), 22.5);
    EXPECT_EQ(s.findCell(1, 1)->value, QStringLiteral("text"));
    EXPECT_EQ(s.findCell(1, 2)->value, QStringLiteral("12.5"));
    EXPECT_EQ(s.findCell(2, 3)->value, QStringLiteral("007")); // not made a number
    const xlsx::SheetStyle &a1 = s.style(1, 1);
    EXPECT_TRUE(a1.font.bold);
    EXPECT_EQ(a1.font.color, 0xFF0000u);
    EXPECT_EQ(a1.interior, 0xFFFF00u);
    EXPECT_EQ(a1.hAlign, xlsx::SheetHAlign::Right);
    EXPECT_EQ(a1.vAlign, xlsx::SheetVAlign::Center);
    EXPECT_TRUE(a1.wrapText);
    EXPECT_EQ(a1.borders[xlsx::SideLeft], BorderLine::Thin);
    EXPECT_EQ(a1.borders[xlsx::SideRight], BorderLine::None);
    EXPECT_EQ(s.style(2, 3).borders[xlsx::SideRight], BorderLine::Thin);
    EXPECT_EQ(s.style(2, 3).borders[xlsx::SideBottom], BorderLine::Thin);
    // 20 mm margins at 96 pixels per inch.
    EXPECT_NEAR(s.pageSetup().leftMargin, 56.6929, 0.001);
    EXPECT_EQ(s.pageSetup().paperSize, 9);
    EXPECT_EQ(s.pageSetup().orientation, 1);
}

TEST_F(ExcelMembers, WhatTransExcelWroteTransFormExcelReadsBack)
{
    m().call(Id::put_PageLeftMargin, {V::fromDouble(20)});
    m().call(Id::put_PageTopMargin, {V::fromDouble(15)});
    m().call(Id::put_PrintOrientation, {V::fromBool(true)});
    m().call(Id::MergeCell, {V::fromLong(1), V::fromLong(2), V::fromLong(2), V::fromLong(2)});
    const QString out = file("trip.xlsx");
    m().TransExcel(out, false, 0, 0, 0, 0);
    ASSERT_EQ(o->SetCellValue(1, 1, QStringLiteral("changed")), S_OK);
    m().NewReport(1, 1);
    m().setSaved(false);

    m().TransFormExcel(out, 1, 3, 1, 2);
    EXPECT_TRUE(saved());
    EXPECT_EQ(m().ColCount(), 3);
    EXPECT_EQ(m().RowCount(), 2);
    EXPECT_EQ(m().GetColWidth(1), 80);
    EXPECT_EQ(m().GetColWidth(2), 12);
    EXPECT_EQ(m().GetRowHeight(1), 19);
    EXPECT_EQ(m().GetRowHeight(2), 30);
    EXPECT_DOUBLE_EQ(m().call(Id::get_PageLeftMargin).asDouble(), 20);
    EXPECT_DOUBLE_EQ(m().call(Id::get_PageTopMargin).asDouble(), 15);
    EXPECT_TRUE(m().call(Id::get_PrintOrientation).asBool());
    EXPECT_EQ(value(1, 1), QStringLiteral("text"));
    EXPECT_EQ(value(2, 1), QStringLiteral("12.5"));
    EXPECT_EQ(value(3, 2), QStringLiteral("007"));
    EXPECT_TRUE(m().GetFontStyleBold(1, 1));
    EXPECT_EQ(m().GetFontColor(1, 1), 0x0000FFu);
    EXPECT_EQ(m().GetCellBackColor(1, 1), 0x00FFFFu);
    EXPECT_EQ(m().GetLabelHAlignment(1, 1), 2);
    EXPECT_TRUE(m().GetMultiLine(1, 1));
    // The merged block came back as one; its borders as they were drawn.
    EXPECT_EQ(m().GetCellBorders(3, 2, 3), 1);
    EXPECT_EQ(m().GetCellBorders(3, 2, 4), 1);
    EXPECT_EQ(m().GetCellBorders(1, 1, 1), 1);
    EXPECT_EQ(c().actions().report().cell(1, 1)->sign(), MergeSign::Covered);
    EXPECT_EQ(c().actions().report().cell(0, 1)->sign(), MergeSign::Master);
}

TEST_F(ExcelMembers, TransExcelOfARangeStartsAtA1AndABadRangeStartsNothing)
{
    countStarts();
    const QString out = file("range.xlsx");
    m().TransExcel(out, true, 2, 1, 3, 2);
    EXPECT_EQ(starts, 1);
    const xlsx::WorkbookContents book = xlsx::readWorkbook(out);
    EXPECT_EQ(book.used, (SheetRange{1, 1, 2, 2}));
    EXPECT_EQ(book.sheet.findCell(1, 1)->value, QStringLiteral("12.5"));
    EXPECT_EQ(book.sheet.findCell(2, 2)->value, QStringLiteral("007"));

    for (const auto &r : {std::array{3, 1, 2, 2}, std::array{1, 2, 3, 1}, std::array{0, 1, 3, 2},
                          std::array{1, 1, 4, 2}, std::array{1, 1, 3, 3}}) {
        const QString none = file("none.xlsx");
        m().TransExcel(none, true, r[0], r[1], r[2], r[3]);
        EXPECT_FALSE(QFile::exists(none)) << r[0] << r[1] << r[2] << r[3];
    }
    EXPECT_EQ(starts, 1);
}

TEST_F(ExcelMembers, WithoutTheProgramBothMembersDoNothing)
{
    countStarts(true);
    m().setSaved(false);
    const QString out = file("none.xlsx");
    m().TransExcel(out, false, 0, 0, 0, 0);
    EXPECT_FALSE(QFile::exists(out));
    xlsx::Worksheet sheet;
    sheet.cell(1, 1).value = QStringLiteral("x");
    xlsx::writeWorkbook(sheet, out);
    m().TransFormExcel(out, 1, 1, 1, 1);
    EXPECT_EQ(starts, 2);
    EXPECT_EQ(value(1, 1), QStringLiteral("text"));
    EXPECT_EQ(m().ColCount(), 3);
    EXPECT_FALSE(saved());
}

TEST_F(ExcelMembers, AFailedSaveFailsTheCallAndKeepsTheOldFile)
{
    const QString out = file("kept.xlsx");
    m().TransExcel(out, false, 0, 0, 0, 0);
    QFile f(out);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();

    ASSERT_EQ(o->SetCellValue(1, 2, QString(33000, QLatin1Char('x'))), S_OK);
    m().setSaved(false);
    const QString message = failure([&] { m().TransExcel(out, false, 0, 0, 0, 0); });
    EXPECT_TRUE(message.contains(QStringLiteral("could not be written"))) << message.toStdString();
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.xlsx")});
    EXPECT_TRUE(failure([&] {
                    m().TransExcel(QString(), false, 0, 0, 0, 0);
                }).contains(QStringLiteral("No file name")));
    EXPECT_FALSE(saved());
}

TEST_F(ExcelMembers, AnImportThatCannotBeDoneChangesNothing)
{
    xlsx::Worksheet sheet;
    for (int r = 1; r <= 5; ++r)
        for (int col = 1; col <= 4; ++col)
            sheet.cell(r, col).value = QStringLiteral("v");
    const QString book = file("book.xlsx");
    xlsx::writeWorkbook(sheet, book);
    const QString xls = file("legacy.xls");
    QFile legacy(xls);
    ASSERT_TRUE(legacy.open(QIODevice::WriteOnly));
    legacy.write(QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + QByteArray(504, '\0'));
    legacy.close();
    // Two cells that make the sheet use all of the program's largest sheet:
    // a tiny file that asks for billions of cells.
    xlsx::Worksheet vast;
    vast.cell(1, 1).value = QStringLiteral("a");
    vast.cell(xlsx::Worksheet::kMaxRows, xlsx::Worksheet::kMaxCols).value = QStringLiteral("z");
    const QString huge = file("huge.xlsx");
    xlsx::writeWorkbook(vast, huge);
    // Just under the cell limit, more than this machine can hold (checked,
    // so that a machine with that much memory leaves the case out).
    const int lastRow = int(kMaxReportCells / xlsx::Worksheet::kMaxCols);
    const std::int64_t available = availableMemoryBytes();
    const bool memoryShort =
        available >= 0 && available < std::int64_t(xlsx::Worksheet::kMaxCols) * lastRow * bytesPerCell();

    ASSERT_EQ(o->SetSelectedCell(2, 1, 3, 2), S_OK);
    m().setSaved(false);
    InPlaceEditor &input = c().inPlaceEditor();

    struct Case
    {
        QString file;
        int c1, c2, r1, r2;
        const char *fragment;
    };
    for (const Case &k :
         {Case{book, 3, 2, 1, 2, "before its first column"}, Case{book, 1, 2, 4, 3, "before its first row"},
          Case{book, 0, 2, 1, 2, "starts before the first column"},
          Case{book, 2, 5, 2, 5, "reaches beyond A1:D5"}, Case{book, 2, 4, 2, 6, "reaches beyond A1:D5"},
          Case{book, 1, INT_MAX, 1, INT_MAX, "reaches beyond A1:D5"}, Case{xls, 1, 1, 1, 1, "(.xls)"},
          Case{file("missing.xlsx"), 1, 1, 1, 1, "cannot be opened"},
          Case{QString(), 1, 1, 1, 1, "No file name"},
          Case{huge, 1, xlsx::Worksheet::kMaxCols, 1, xlsx::Worksheet::kMaxRows, "个单元格的上限"},
          Case{huge, 1, xlsx::Worksheet::kMaxCols, 1, lastRow, "内存不足"}}) {
        if (k.fragment == std::string_view("内存不足") && !memoryShort)
            continue;
        // Input being typed is left open (the getters below finish it).
        input.openTypingEditor();
        input.edit()->setText(QStringLiteral("typing"));
        const QString message = failure([&] { m().TransFormExcel(k.file, k.c1, k.c2, k.r1, k.r2); });
        EXPECT_TRUE(input.typingEditorShown());
        EXPECT_EQ(input.edit()->text(), QStringLiteral("typing"));
        EXPECT_TRUE(message.contains(QString::fromUtf8(k.fragment)))
            << k.fragment << ": " << message.toStdString();
        EXPECT_FALSE(saved());
        EXPECT_EQ(value(1, 1), QStringLiteral("text"));
        EXPECT_EQ(m().ColCount(), 3);
        EXPECT_EQ(m().GetColWidth(1), 80);
        int a, b, cc, d;
        m().GetSelectedCell(a, b, cc, d);
        EXPECT_EQ((std::array{a, b, cc, d}), (std::array{2, 1, 3, 2}));
    }
}

TEST_F(ExcelMembers, ARangeIsImportedWithItsMergesClippedAndOnlySolidBorders)
{
    // B2:D5 of a sheet whose merged areas reach over the range's edges.
    xlsx::Worksheet sheet;
    for (int r = 1; r <= 6; ++r)
        for (int col = 1; col <= 5; ++col)
            sheet.cell(r, col).value = QStringLiteral("%1%2").arg(QChar(u'A' + col - 1)).arg(r);
    sheet.merge(SheetRange{1, 1, 3, 2});                                  // A1:B3 -> B2:B3
    sheet.merge(SheetRange{4, 3, 6, 5});                                  // C4:E6 -> C4:D5
    sheet.cell(2, 3).style.borders[xlsx::SideLeft] = BorderLine::Dashed;  // C2
    sheet.cell(2, 2).style.borders[xlsx::SideRight] = BorderLine::Dotted; // B2, the same line
    sheet.cell(3, 4).style.borders[xlsx::SideTop] = BorderLine::DashDot;  // D3: counts
    sheet.cell(3, 5).style.borders[xlsx::SideLeft] = BorderLine::Thin;    // E3: D3's right side
    sheet.cell(6, 2).style.borders[xlsx::SideTop] = BorderLine::Medium;   // B6: B5's bottom side
    sheet.cell(2, 4).style.borders[xlsx::SideDiagonalUp] = BorderLine::Thin;
    const QString book = file("range.xlsx");
    xlsx::writeWorkbook(sheet, book);
    m().setSaved(false);

    m().TransFormExcel(book, 2, 4, 2, 5);
    EXPECT_TRUE(saved());
    ASSERT_EQ(m().ColCount(), 3);
    ASSERT_EQ(m().RowCount(), 4);
    EXPECT_EQ(value(1, 1), QStringLiteral("B2"));
    EXPECT_EQ(value(3, 4), QStringLiteral("D5"));
    const Report &r = c().actions().report();
    EXPECT_EQ(r.cell(0, 0)->sign(), MergeSign::Master);
    EXPECT_EQ(r.cell(0, 0)->block().bottom, 1);
    EXPECT_EQ(r.cell(0, 0)->block().right, 0);
    EXPECT_EQ(r.cell(1, 2)->sign(), MergeSign::Master);
    EXPECT_EQ(r.cell(1, 2)->block().right, 2);
    EXPECT_EQ(r.cell(1, 2)->block().bottom, 3);
    EXPECT_EQ(r.cell(2, 3)->sign(), MergeSign::Covered);

    EXPECT_EQ(m().GetCellBorders(2, 1, 1), 0); // dashed and dotted: no line
    EXPECT_EQ(m().GetCellBorders(3, 2, 2), 1); // dash-dot: a line
    EXPECT_EQ(m().GetCellBorders(3, 2, 3), 1); // from the cell to the right of the range
    EXPECT_EQ(m().GetCellBorders(1, 4, 4), 1); // from the cell below the range
    EXPECT_EQ(m().GetCellBorders(3, 1, 0), 2); // the rising diagonal
    EXPECT_EQ(m().GetCellBorders(1, 1, 1), 0); // no line in the sheet
}
