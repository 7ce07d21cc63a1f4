#include "print/PrintJob.h"
#include "FakePrinterService.h"
#include "PagedReport.h"
#include "print/Pagination.h"
#include "print/PrintJobSetup.h"
#include "report/PageSettings.h"
#include "report/PaperTable.h"
#include "report/Report.h"

#include <gtest/gtest.h>

using namespace cellvex;

namespace {

// Two columns of 400 and two rows of 600 pixels on A4 (margins 76): every
// cell is a page of its own, and each has its own background colour so that
// a sheet shows which page was drawn on it.
struct PrintJobFixture : ::testing::Test, test::PagedReport
{
    PrintJobFixture()
    {
        shape({400, 400}, {600, 600});
        for (int c = 0; c < 2; ++c)
            for (int r = 0; r < 2; ++r)
                report.setBackColor(c, r, kColors[c][r]);
        paginate();
    }

    PrintJob job()
    {
        return PrintJob(report, settings, pagination, printer, [this](const QString &m) { errors << m; });
    }

    // The colour of the page body's first cell on a sheet printed 1:1.
    static QRgb bodyColor(const QImage &sheet) { return sheet.pixel(200, 300); }

    static constexpr ColorRef kColors[2][2] = {{0x0000FF, 0x00FF00}, {0xFF0000, 0x00FFFF}};
    static QRgb rgb(int c, int r) { return toQColor(kColors[c][r]).rgb(); }

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
    const QString custom = PaperTable::entry(PaperTable::kCustomPaper).name;
    struct Case
    {
        const char *name;
        QString paper;
        const char *width; // the page as it lies, in millimetres
        const char *height;
        bool landscape;
        int copies;
        DeviceSettings expected;
    };
    const Case cases[] = {
        {"A3 landscape", PaperTable::entry(8).name, "420", "297", true, 2, {8, 2, 2, false, 0, 0}},
        // A paper name stored empty (an old document) is A4, not the empty code 0.
        {"empty paper name", QString(), "210", "297", false, 1, {9, 1, 1, false, 0, 0}},
        {"unknown paper name", QStringLiteral("Bogen"), "210", "297", false, 1, {9, 1, 1, false, 0, 0}},
        // The dialog accepts 0 copies; the printer still gets one.
        {"no copies", PaperTable::entry(9).name, "210", "297", false, 0, {9, 1, 1, false, 0, 0}},
        {"negative copies", PaperTable::entry(9).name, "210", "297", false, -4, {9, 1, 1, false, 0, 0}},
        {"custom portrait", custom, "99.96", "150", false, 3, {256, 1, 3, true, 1000, 1500}},
        // Turned: the page is 150 wide, the sheet is still 99.96 across.
        {"custom landscape", custom, "150", "99.96", true, 3, {256, 2, 3, true, 1000, 1500}},
        // A custom sheet wider than long stays so in portrait.
        {"custom wide portrait", custom, "300", "100", false, 1, {256, 1, 1, true, 3000, 1000}},
    };
    for (const Case &c : cases) {
        printer = FakePrinterService();
        settings.paperName = c.paper;
        settings.width = PaperLength::fromText(QString::fromUtf8(c.width), 96);
        settings.height = PaperLength::fromText(QString::fromUtf8(c.height), 96);
        settings.landscape = c.landscape;
        settings.copies = c.copies;
        paginate();
        EXPECT_EQ(job().printPages({1}, QString()), PrintJob::Result::Printed) << c.name;
        EXPECT_EQ(printer.settingsAtBegin, c.expected) << c.name;
        EXPECT_EQ(settings.copies, c.copies) << c.name << ": the stored count is kept";
        EXPECT_FALSE(printer.settings.customSize) << c.name;
        EXPECT_EQ(printer.log.back(), QStringLiteral("clear custom size")) << c.name;
    }
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(PrintJobFixture, EmptyReportOpensNoJob)
{
    for (const auto &[cols, rows] : {std::pair{0, 0}, std::pair{3, 0}, std::pair{0, 3}}) {
        printer = FakePrinterService();
        errors.clear();
        report.newReport(cols, rows);
        paginate();
        EXPECT_EQ(pagination.pageCount(), 0) << cols << "x" << rows;
        EXPECT_EQ(job().printAll(QString()), PrintJob::Result::NothingToPrint) << cols << "x" << rows;
        EXPECT_FALSE(printer.log.contains("begin")) << cols << "x" << rows;
        EXPECT_TRUE(printer.sheets.empty()) << cols << "x" << rows;
        EXPECT_EQ(errors, QStringList{kNothingToPrintMessage}) << cols << "x" << rows;
    }
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

TEST_F(PrintJobFixture, AFailureWhileTheJobIsOpenAbortsItAndIsReported)
{
    struct Case
    {
        const char *name;
        void (*breakIt)(FakePrinterService &);
        int sheets;
        QStringList tail;
        QString message;
    };
    const Case cases[] = {
        {"begin",
         [](FakePrinterService &p) { p.failBegin = true; },
         0,
         {"begin", "clear custom size"},
         QStringLiteral("打印错误，无法开始打印作业")},
        {"begin with a reason",
         [](FakePrinterService &p) {
             p.failBegin = true;
             p.reason = QStringLiteral("队列已停用");
         },
         0,
         {"begin", "clear custom size"},
         QStringLiteral("打印错误，无法开始打印作业：队列已停用")},
        {"no resolution",
         [](FakePrinterService &p) { p.dpi = QSize(0, 600); },
         1,
         {"begin", "abort", "clear custom size"},
         QStringLiteral("打印错误，无法读取打印机的分辨率")},
        {"second new page",
         [](FakePrinterService &p) { p.failNewPageCall = 2; },
         2,
         {"new page", "new page", "abort", "clear custom size"},
         QStringLiteral("打印错误，无法开始新的一页")},
        {"no canvas",
         [](FakePrinterService &p) { p.noCanvas = true; },
         1,
         {"begin", "abort", "clear custom size"},
         QStringLiteral("打印错误，无法在打印机上绘图")},
        {"canvas throws",
         [](FakePrinterService &p) { p.throwOnCanvas = true; },
         1,
         {"begin", "abort", "clear custom size"},
         QStringLiteral("打印错误，无法在打印机上绘图：设备内存不足")},
        {"end",
         [](FakePrinterService &p) {
             p.failEnd = true;
             p.reason = QStringLiteral("server-error-busy");
         },
         4,
         {"end", "abort", "clear custom size"},
         QStringLiteral("打印错误，无法把打印作业交给打印机：server-error-busy")},
    };
    for (const Case &c : cases) {
        printer = FakePrinterService();
        errors.clear();
        c.breakIt(printer);
        EXPECT_EQ(job().printAll(QString()), PrintJob::Result::Aborted) << c.name;
        EXPECT_EQ(int(printer.sheets.size()), c.sheets) << c.name;
        EXPECT_EQ(printer.log.mid(printer.log.size() - c.tail.size()), c.tail) << c.name;
        // Raised once, after the job was dropped and the device reset.
        EXPECT_EQ(errors, QStringList{c.message}) << c.name;
    }
}

TEST_F(PrintJobFixture, ErrorIsRaisedAfterTheDeviceIsFree)
{
    printer.failEnd = true;
    QStringList logWhenRaised;
    PrintJob failing(report, settings, pagination, printer,
                     [&](const QString &) { logWhenRaised = printer.log; });
    failing.printAll(QString());
    ASSERT_FALSE(logWhenRaised.isEmpty());
    EXPECT_EQ(logWhenRaised.mid(logWhenRaised.size() - 2), (QStringList{"abort", "clear custom size"}));
}

// The printed grid has the screen's size at 100 %: one screen pixel is
// 25.4 / 96 mm on paper, whatever the printer's resolution and border.
TEST_F(PrintJobFixture, DefaultCellPrintsAtItsScreenSizeInMillimetres)
{
    report.newReport(3, 3); // 80 x 19 pixel cells
    paginate();
    constexpr int kDpi = 600;
    printer.dpi = QSize(kDpi, kDpi);
    printer.offset = QPoint(30, 45); // the canvas origin lies this far into the paper
    printer.sheetSize = QSize(2400, 1000);
    ASSERT_EQ(job().printAll(QString()), PrintJob::Result::Printed);
    ASSERT_EQ(printer.sheets.size(), 1u);
    const QImage &sheet = printer.sheets[0];

    // Starts of dark runs along a line, in paper millimetres.
    const auto edges = [&](bool across, int at) {
        std::vector<double> mm;
        const int n = across ? sheet.width() : sheet.height();
        bool dark = false;
        for (int i = 0; i < n; ++i) {
            const QRgb px = across ? sheet.pixel(i, at) : sheet.pixel(at, i);
            const bool d = qGray(px) < 128;
            if (d && !dark)
                mm.push_back((i + (across ? printer.offset.x() : printer.offset.y())) * 25.4 / kDpi);
            dark = d;
        }
        return mm;
    };
    const double tolerance = 25.4 / kDpi; // one device pixel
    // The 20 mm margins are whole page pixels: 76, i.e. 20.11 mm.
    const double margin = 76 * 25.4 / 96;
    // A line through the middle of row 0 crosses the columns' left borders.
    const std::vector<double> cols = edges(true, 535 - printer.offset.y());
    ASSERT_GE(cols.size(), 3u);
    EXPECT_NEAR(cols[0], margin, tolerance) << "the left margin is measured from the paper's edge";
    EXPECT_NEAR(cols[1] - cols[0], 21.17, tolerance);
    EXPECT_NEAR(cols[2] - cols[1], 21.17, tolerance);
    const std::vector<double> rows = edges(false, 700 - printer.offset.x());
    ASSERT_GE(rows.size(), 3u);
    EXPECT_NEAR(rows[0], margin, tolerance);
    EXPECT_NEAR(rows[1] - rows[0], 5.03, tolerance);
    EXPECT_NEAR(rows[2] - rows[1], 5.03, tolerance);
}
