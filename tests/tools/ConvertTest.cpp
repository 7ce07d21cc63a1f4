// `cellvex convert`, run as a batch user runs it: one process per file.
// What it writes is compared with what the members give for the same
// stored report, read here the way the command reads it.
#include "document/CellXmlWriter.h"
#include "document/ReportDocument.h"
#include "document/ReportDocumentWriter.h"
#include "export/TextExport.h"
#include "print/Pagination.h"
#include "report/CellKindOps.h"
#include "report/Report.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace cellvex;

namespace {

struct CliRun
{
    int exitCode = -1;
    QString err;
};

CliRun runCli(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(CELLVEX_CLI), QStringList{QStringLiteral("convert")} + args);
    CliRun run;
    if (!p.waitForFinished(300000) || p.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = p.exitCode();
    run.err = QString::fromUtf8(p.readAllStandardError());
    return run;
}

QByteArray contentOf(const QString &fileName)
{
    QFile f(fileName);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The stored report of this fixture as the command reads it.
std::unique_ptr<Report> openedReport(const QString &fileName)
{
    auto report = std::make_unique<Report>();
    std::optional<LoadedReport> loaded = readReportFile(fileName, report->pageSettings().pixelsPerInch());
    EXPECT_TRUE(loaded.has_value());
    if (loaded)
        applyLoadedReport(*report, report->pageSettings(), std::move(*loaded));
    return report;
}

// A stored report of 4 columns and 150 rows, more than one A4 page: values
// everywhere, aliases, a merged block, a check box and a header row.
struct Convert : ::testing::Test
{
    Convert()
    {
        Report report;
        report.newReport(4, 150);
        for (int r = 0; r < 150; ++r)
            for (int c = 0; c < 4; ++c)
                report.setCellCaption(c, r, QStringLiteral("r%1c%2 项").arg(r + 1).arg(c + 1));
        report.setCellAlias(1, 1, QStringLiteral("Total"));
        report.setCellAlias(2, 3, QStringLiteral("Name"));
        setCheckCell(report, 3, 2, QStringLiteral("ok"));
        report.setHeaderCount(1);
        report.setBackColor(0, 0, 0x00C0FF);
        input = dir.filePath(QStringLiteral("in.cvd"));
        saveReportFile(report, report.pageSettings(), input);
    }

    QString out(const QString &name) const { return dir.filePath(name); }
    QStringList files() const
    {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
    int pageCount() const
    {
        const std::unique_ptr<Report> report = openedReport(input);
        Pagination pagination;
        pagination.paginate(*report, report->pageSettings());
        return int(pagination.pageCount());
    }

    QTemporaryDir dir;
    QString input;
};

} // namespace

TEST_F(Convert, EachFormatIsWhatItsMemberGives)
{
    const std::unique_ptr<Report> report = openedReport(input);
    const ExportRange whole = *exportRange(*report, false, 0, 0, 0, 0);
    const struct
    {
        const char *name;
        QString file;
        QStringList options;
        QByteArray expected;
    } cases[] = {
        {"text", "all.txt", {}, exportText(*report, whole, true, "\t").toUtf8()},
        {"text of a range (1-based)",
         "part.txt",
         {"--range", "2,3,3,5"},
         exportText(*report, *exportRange(*report, true, 1, 2, 2, 4), true, "\t").toUtf8()},
        {"xml by position", "pos.xml", {}, exportCellXml(*report, 0, "UTF-8").toUtf8()},
        {"xml by alias", "alias.xml", {"--by-alias"}, exportCellXml(*report, 1, "UTF-8").toUtf8()},
        {"stored report", "again.cvd", {}, storedReport(*report, report->pageSettings())},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun run = runCli(QStringList{input, out(c.file)} + c.options);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        if (c.file.endsWith(".cvd")) {
            // Re-opened, it is the same report.
            const std::unique_ptr<Report> again = openedReport(out(c.file));
            EXPECT_EQ(storedReport(*again, again->pageSettings()), c.expected);
        } else {
            EXPECT_EQ(contentOf(out(c.file)), c.expected);
        }
    }
    // Not vacuous: the texts hold the cells they were asked for.
    EXPECT_TRUE(contentOf(out("part.txt")).startsWith("r3c2 项\tr3c3 项\r\n"));
    EXPECT_TRUE(contentOf(out("alias.xml")).contains("Alias=\"Total\""));
    EXPECT_TRUE(contentOf(out("pos.xml")).startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
}

TEST_F(Convert, PdfHasEveryPageOfThePagination)
{
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (pdfinfo.isEmpty())
        GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    const CliRun run = runCli({input, out("report.pdf")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QProcess info;
    info.start(pdfinfo, {out("report.pdf")});
    ASSERT_TRUE(info.waitForFinished(60000));
    ASSERT_EQ(info.exitCode(), 0) << info.readAllStandardError().toStdString();
    const QString text = QString::fromUtf8(info.readAllStandardOutput());
    const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(text);
    ASSERT_TRUE(pages.hasMatch()) << text.toStdString();
    ASSERT_GT(pageCount(), 1);
    EXPECT_EQ(pages.captured(1).toInt(), pageCount());
    // A4 portrait: 210 x 297 mm in points.
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(text);
    ASSERT_TRUE(size.hasMatch()) << text.toStdString();
    EXPECT_NEAR(size.captured(1).toDouble(), 210 / 25.4 * 72, 1.0);
    EXPECT_NEAR(size.captured(2).toDouble(), 297 / 25.4 * 72, 1.0);
}

TEST_F(Convert, PngWritesOneImageOfThePaperPerPage)
{
    const CliRun run = runCli({input, out("page.png")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const int pages = pageCount();
    ASSERT_GT(pages, 1);
    const std::unique_ptr<Report> report = openedReport(input);
    const QSize paper(int(report->pageSettings().width.pixels), int(report->pageSettings().height.pixels));
    for (int n = 1; n <= pages; ++n) {
        const QImage image(out(QStringLiteral("page-%1.png").arg(n)), "png");
        ASSERT_FALSE(image.isNull()) << "page " << n;
        EXPECT_EQ(image.size(), paper);
    }
    EXPECT_FALSE(QFile::exists(out(QStringLiteral("page-%1.png").arg(pages + 1))));
    EXPECT_FALSE(QFile::exists(out("page.png")));
    EXPECT_EQ(files().size(), pages + 1) << files().join(' ').toStdString();

    // The first page shows the header row's background and text in black.
    const QImage first(out("page-1.png"), "png");
    bool background = false, ink = false;
    for (int y = 0; y < first.height(); ++y)
        for (int x = 0; x < first.width(); ++x) {
            const QRgb px = first.pixel(x, y);
            background = background || px == qRgb(0xFF, 0xC0, 0x00);
            ink = ink || qGray(px) < 64;
        }
    EXPECT_TRUE(background);
    EXPECT_TRUE(ink);
}

TEST_F(Convert, FailuresExitWithTheReasonAndWriteNothing)
{
    QFile garbage(out("garbage.cvd"));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("not a stored report");
    garbage.close();
    QFile kept(out("kept.txt"));
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.write("old");
    kept.close();
    const QStringList before = files();

    const struct
    {
        const char *name;
        QStringList args;
        const char *reason;
    } cases[] = {
        {"no arguments", {}, "wants an input and an output file"},
        {"missing input", {out("missing.cvd"), out("a.txt")}, "no such file"},
        {"not a stored report", {out("garbage.cvd"), out("a.txt")}, "convert: "},
        {"unknown extension", {input, out("a.doc")}, "the extension must be"},
        {"no extension", {input, out("a")}, "the extension must be"},
        {"range not numbers",
         {input, out("a.txt"), "--range", "1,2,x,4"},
         "--range wants four whole numbers"},
        {"range of three", {input, out("a.txt"), "--range", "1,2,3"}, "--range wants four whole numbers"},
        {"range outside", {input, out("a.html"), "--range", "1,1,5,2"}, "outside the report of 4 columns"},
        {"range reversed", {input, out("a.txt"), "--range", "3,1,2,2"}, "outside the report"},
        {"range from 0", {input, out("a.txt"), "--range", "0,1,2,2"}, "outside the report"},
        {"range on pdf", {input, out("a.pdf"), "--range", "1,1,2,2"}, "applies to .html and .txt only"},
        {"alias on text", {input, out("a.txt"), "--by-alias"}, "applies to .xml only"},
        {"unknown option", {input, out("a.txt"), "--fast"}, "unknown option --fast"},
        {"missing folder", {input, out("nowhere/a.txt")}, "nowhere"},
        {"an old file stays", {input, out("kept.txt"), "--range", "9,9,9,9"}, "outside the report"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.reason))) << run.err.toStdString();
        EXPECT_EQ(files(), before);
    }
    EXPECT_EQ(contentOf(out("kept.txt")), "old");
    // The reader's own message reaches the user.
    EXPECT_GT(runCli({out("garbage.cvd"), out("a.txt")}).err.trimmed().size(),
              QStringLiteral("convert: ").size());
}

TEST_F(Convert, ProcessesRunningAtOnceShareNothing)
{
    const QByteArray expected =
        exportText(*openedReport(input), *exportRange(*openedReport(input), false, 0, 0, 0, 0), true, "\t")
            .toUtf8();
    std::vector<std::unique_ptr<QProcess>> processes;
    for (int i = 0; i < 4; ++i) {
        processes.push_back(std::make_unique<QProcess>());
        processes.back()->start(QStringLiteral(CELLVEX_CLI),
                                {QStringLiteral("convert"), input, out(QStringLiteral("p%1.txt").arg(i))});
    }
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(processes[std::size_t(i)]->waitForFinished(300000));
        EXPECT_EQ(processes[std::size_t(i)]->exitCode(), 0);
        EXPECT_EQ(contentOf(out(QStringLiteral("p%1.txt").arg(i))), expected);
    }
}
