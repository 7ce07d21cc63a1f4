#include "print/PrintJob.h"
#include "FakePrinterService.h"
#include "control/Report.h"
#include "print/PageSettings.h"
#include "print/Pagination.h"
#include "print/PaperTable.h"
#include "print/PrintJobSetup.h"

#include <gtest/gtest.h>

using namespace cellvex;

namespace {

// Two columns of 400 and two rows of 600 pixels on A4 (margins 76): every
// cell is a page of its own, and each has its own background colour so that
// a sheet shows which page was drawn on it.
struct PrintJobFixture : ::testing::Test
{
    PrintJobFixture()
    {
        report.newReport(2, 2);
        report.colRuler().loadFilePole({400, 400});
        report.rowRuler().loadFilePole({600, 600});
        for (int c = 0; c < 2; ++c)
            for (int r = 0; r < 2; ++r)
                report.setBackColor(c, r, kColors[c][r]);
        pagination.paginate(report, settings);
    }

    PrintJob job()
    {
        return PrintJob(report, settings, pagination, printer, [this](const QString &m) { errors << m; });
    }

    // The colour of the page body's first cell on a sheet printed 1:1.
    static QRgb bodyColor(const QImage &sheet) { return sheet.pixel(200, 300); }

    static constexpr ColorRef kColors[2][2] = {{0x0000FF, 0x00FF00}, {0xFF0000, 0x00FFFF}};
    static QRgb rgb(int c, int r) { return toQColor(kColors[c][r]).rgb(); }

    Report report;
    PageSettings settings{96};
    Pagination pagination;
    FakePrinterService printer;
    QStringList errors;
};

} // namespace

TEST_F(PrintJobFixture, PrintsEveryPageDownThenAcrossOneSheetEach)
{
    ASSERT_EQ(pagination.pageCount(), 4);
    EXPECT_EQ(job().printAll(QStringLiteral("Quarterly")), PrintJob::Result::Printed);

    EXPECT_EQ(printer.log, (QStringList{"select 0", "settings", "begin", "new page", "new page", "new page",
                                        "end", "clear custom size"}));
    EXPECT_EQ(printer.title, QStringLiteral("Quarterly"));
    ASSERT_EQ(printer.sheets.size(), 4u);
    // Page 2 is the second row band of the first column band.
    EXPECT_EQ(bodyColor(printer.sheets[0]), rgb(0, 0));
    EXPECT_EQ(bodyColor(printer.sheets[1]), rgb(0, 1));
    EXPECT_EQ(bodyColor(printer.sheets[2]), rgb(1, 0));
    EXPECT_EQ(bodyColor(printer.sheets[3]), rgb(1, 1));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(PrintJobFixture, SelectedPagesPrintInOrderOnceEach)
{
    EXPECT_EQ(job().printPages({3, 1, 3, 9, 0}, QString()), PrintJob::Result::Printed);
    ASSERT_EQ(printer.sheets.size(), 2u);
    EXPECT_EQ(bodyColor(printer.sheets[0]), rgb(0, 0));
    EXPECT_EQ(bodyColor(printer.sheets[1]), rgb(1, 0));
}

TEST_F(PrintJobFixture, NothingSelectedOpensNoJob)
{
    EXPECT_EQ(job().printPages({5, -1}, QString()), PrintJob::Result::NothingToPrint);
    EXPECT_EQ(errors, QStringList{kNothingToPrintMessage});
    EXPECT_FALSE(printer.log.contains("begin"));
}

TEST_F(PrintJobFixture, WithoutPrinterOnlyTheMessageIsRaised)
{
    printer.installed.clear();
    EXPECT_FALSE(job().checkPrinterInstalled());
    EXPECT_EQ(job().printAll(QString()), PrintJob::Result::NoPrinter);
    EXPECT_EQ(errors, (QStringList{kNoPrinterMessage, kNoPrinterMessage}));
    EXPECT_TRUE(printer.log.isEmpty());
}

TEST_F(PrintJobFixture, PrinterIsTheNamedOneElseTheDefault)
{
    printer.installed = QStringList{"Office on LPT1:", "PDF", "Laser"};
    printer.defaultIndex = 2;
    const std::pair<const char *, int> cases[] = {
        {"Office", 0}, {"PDF", 1}, {"", 2}, {"Removed", 2}, {"pdf", 2},
    };
    for (const auto &[name, expected] : cases) {
        // Always an explicit choice: an earlier job's printer must not stick
        // when the name is not found.
        printer.log.clear();
        settings.printerName = QString::fromUtf8(name);
        job().printPages({1}, QString());
        EXPECT_EQ(printer.log.value(0), QStringLiteral("select %1").arg(expected)) << name;
    }
}

TEST_F(PrintJobFixture, DeviceGetsPaperOrientationCopiesAndCustomSizeForOneJob)
{
    settings.paperName = PaperTable::entry(PaperTable::kCustomPaper).name;
    settings.width = PaperLength::fromText(QStringLiteral("150"), 96);
    settings.height = PaperLength::fromText(QStringLiteral("99.96"), 96);
    settings.landscape = true;
    settings.copies = 3;
    pagination.paginate(report, settings);
    job().printPages({1}, QString());
    EXPECT_EQ(printer.settingsAtBegin, (DeviceSettings{256, 2, 3, true, 1500, 1000}));
    EXPECT_FALSE(printer.settings.customSize);
    EXPECT_EQ(printer.log.back(), QStringLiteral("clear custom size"));
}

TEST_F(PrintJobFixture, BadCustomSizeFailsBeforeAnyJob)
{
    settings.paperName = PaperTable::entry(PaperTable::kCustomPaper).name;
    settings.width = PaperLength::fromText(QStringLiteral("wide"), 96);
    EXPECT_THROW(job().printAll(QString()), ReportError);
    EXPECT_FALSE(printer.log.contains("begin"));
}

TEST_F(PrintJobFixture, PagesAreScaledToTheDeviceAndShiftedByItsBorder)
{
    printer.dpi = QSize(192, 144);
    printer.offset = QPoint(20, 30); // device pixels: 10 and 20 page pixels
    printer.sheetSize = QSize(1600, 1700);
    job().printPages({1}, QString());
    ASSERT_EQ(printer.sheets.size(), 1u);
    // The first cell's corner at page pixel (76, 76) lands at device
    // ((76 - 10) x 2, (76 - 20) x 1.5) = (132, 84); its one-pixel borders
    // become two device pixels.
    const QImage &sheet = printer.sheets[0];
    const QRgb white = qRgb(255, 255, 255), black = qRgb(0, 0, 0);
    EXPECT_EQ(sheet.pixel(131, 95), white) << "left of the cell";
    EXPECT_EQ(sheet.pixel(132, 95), black) << "left border";
    EXPECT_EQ(sheet.pixel(133, 95), black) << "left border";
    EXPECT_EQ(sheet.pixel(134, 95), rgb(0, 0)) << "inside the cell";
    EXPECT_EQ(sheet.pixel(140, 83), white) << "above the cell";
    EXPECT_EQ(sheet.pixel(140, 84), black) << "top border";
    // 400 x 600 page pixels become 800 x 900 device pixels (a new cell has
    // no right or bottom border).
    EXPECT_EQ(sheet.pixel(931, 95), rgb(0, 0));
    EXPECT_EQ(sheet.pixel(932, 95), white);
    EXPECT_EQ(sheet.pixel(140, 983), rgb(0, 0));
    EXPECT_EQ(sheet.pixel(140, 984), white);
}

TEST_F(PrintJobFixture, AFailureWhileTheJobIsOpenAbortsItQuietly)
{
    struct Case
    {
        const char *name;
        void (*breakIt)(FakePrinterService &);
        int sheets;
        QStringList tail;
    };
    const Case cases[] = {
        {"begin", [](FakePrinterService &p) { p.failBegin = true; }, 0, {"begin", "clear custom size"}},
        {"second new page",
         [](FakePrinterService &p) { p.failNewPageCall = 2; },
         2,
         {"new page", "new page", "abort", "clear custom size"}},
        {"no canvas",
         [](FakePrinterService &p) { p.noCanvas = true; },
         1,
         {"begin", "abort", "clear custom size"}},
        {"end", [](FakePrinterService &p) { p.failEnd = true; }, 4, {"end", "abort", "clear custom size"}},
    };
    for (const Case &c : cases) {
        printer = FakePrinterService();
        c.breakIt(printer);
        EXPECT_EQ(job().printAll(QString()), PrintJob::Result::Aborted) << c.name;
        EXPECT_EQ(int(printer.sheets.size()), c.sheets) << c.name;
        EXPECT_EQ(printer.log.mid(printer.log.size() - c.tail.size()), c.tail) << c.name;
    }
    EXPECT_TRUE(errors.isEmpty());
}
