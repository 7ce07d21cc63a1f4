// A real print run through the system's spooler: a local CUPS server with
// the cups-pdf queue turns the job into a PDF whose pages can be counted.
// Needs root (cupsd, lpadmin) and the packages cups, printer-driver-cups-pdf
// and poppler-utils; skipped otherwise. Every wait is bounded.
#include "PagedReport.h"
#include "print/Pagination.h"
#include "print/PrintJob.h"
#include "print/SystemPrinterService.h"
#include "report/PageSettings.h"
#include "report/Report.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <iostream>
#include <pwd.h>
#include <unistd.h>

using namespace cellvex;

namespace {

const QString kQueue = QStringLiteral("PDF");

struct ToolRun
{
    bool ok = false; // finished in time with exit status 0
    QString output;
};

ToolRun runTool(const QString &program, const QStringList &args, int timeoutMs = 20000)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C")); // messages we parse
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished(2000);
        return {false, QStringLiteral("%1 timed out").arg(program)};
    }
    const QString out = QString::fromLocal8Bit(p.readAll());
    return {p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0, out};
}

// Polls `done` every 100 ms until it holds or the time is up.
template <typename F> bool waitFor(F done, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > timeoutMs)
            return false;
        QThread::msleep(100);
    }
    return true;
}

bool schedulerRunning()
{
    const ToolRun r = runTool(QStringLiteral("lpstat"), {QStringLiteral("-r")}, 5000);
    return r.output.contains(QLatin1String("scheduler is running"));
}

// The CUPS scheduler for the test: one already running is used as it is;
// otherwise one is started in the foreground and stopped again at the end.
class LocalCupsServer
{
public:
    ~LocalCupsServer()
    {
        if (m_cupsd.state() != QProcess::NotRunning) {
            m_cupsd.terminate();
            if (!m_cupsd.waitForFinished(5000)) {
                m_cupsd.kill();
                m_cupsd.waitForFinished(2000);
            }
        }
    }

    bool start(QString &error)
    {
        if (schedulerRunning())
            return true;
        m_cupsd.start(QStringLiteral("/usr/sbin/cupsd"), {QStringLiteral("-f")});
        if (!m_cupsd.waitForStarted(5000)) {
            error = QStringLiteral("cupsd did not start: ") + m_cupsd.errorString();
            return false;
        }
        if (!waitFor(schedulerRunning, 15000)) {
            error = QStringLiteral("cupsd did not answer: ") + QString::fromLocal8Bit(m_cupsd.readAll());
            return false;
        }
        return true;
    }
    bool startedHere() const { return m_cupsd.state() != QProcess::NotRunning; }

private:
    QProcess m_cupsd;
};

QString missingTool()
{
    const char *needed[] = {"/usr/sbin/cupsd",
                            "/usr/sbin/lpadmin",
                            "/usr/bin/lpstat",
                            "/usr/bin/pdfinfo",
                            "/usr/lib/cups/backend/cups-pdf",
                            "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"};
    for (const char *path : needed) {
        if (!QFileInfo::exists(QString::fromUtf8(path)))
            return QString::fromUtf8(path);
    }
    return QString();
}

// Where cups-pdf puts the jobs of the user running the test.
QString pdfFolder()
{
    const passwd *pw = getpwuid(geteuid());
    return QString::fromLocal8Bit(pw ? pw->pw_dir : "/root") + QStringLiteral("/PDF");
}

// The non-empty PDF cups-pdf wrote for the job titled `title`, once the
// queue has drained; empty when none appeared in time.
QString waitForPdf(const QString &queue, const QString &title)
{
    const bool drained = waitFor(
        [&] {
            const ToolRun r = runTool(QStringLiteral("lpstat"), {"-o", queue}, 5000);
            return r.ok && r.output.trimmed().isEmpty();
        },
        60000);
    if (!drained)
        return QString();
    QString pdf;
    waitFor(
        [&] {
            const QFileInfoList files =
                QDir(pdfFolder()).entryInfoList({QStringLiteral("*%1*.pdf").arg(title)}, QDir::Files);
            if (files.isEmpty() || files.first().size() == 0)
                return false;
            pdf = files.first().absoluteFilePath();
            return true;
        },
        10000);
    return pdf;
}

// A copy of the cups-pdf driver whose A4 paper has an unprintable border of
// `points` on every side, as most real printers have.
QString borderedPpd(const QTemporaryDir &dir, int points)
{
    QFile in(QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"));
    if (!in.open(QIODevice::ReadOnly))
        return QString();
    QString ppd = QString::fromLatin1(in.readAll());
    const QString area = QStringLiteral("*ImageableArea A4/A4: \"%1 %1 %2 %3\"")
                             .arg(points)
                             .arg(595 - points)
                             .arg(842 - points);
    ppd.replace(QRegularExpression(QStringLiteral("\\*ImageableArea A4/A4: \"[^\"]*\"")), area);
    if (!ppd.contains(area))
        return QString();
    const QString path = dir.filePath(QStringLiteral("bordered.ppd"));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(ppd.toLatin1()) < 0)
        return QString();
    return path;
}

// Column of the first dark pixel on row y of page 1 of the PDF rendered at
// 96 dpi (one pixel per screen pixel); -1 when there is none.
int firstDarkColumn(const QString &pdf, const QTemporaryDir &dir, int y)
{
    const QString stem = dir.filePath(QStringLiteral("page"));
    const ToolRun r = runTool(QStringLiteral("pdftoppm"),
                              {"-png", "-r", "96", "-f", "1", "-l", "1", "-singlefile", pdf, stem});
    const QImage page(stem + QStringLiteral(".png"));
    if (!r.ok || page.isNull() || y >= page.height())
        return -1;
    for (int x = 0; x < page.width(); ++x) {
        if (qGray(page.pixel(x, y)) < 128)
            return x;
    }
    return -1;
}

} // namespace

TEST(PrintSpooler, TwoPageReportComesOutAsTwoPdfPages)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "starting cupsd and creating a queue needs root";
    if (const QString missing = missingTool(); !missing.isEmpty())
        GTEST_SKIP() << "missing " << missing.toStdString()
                     << " (packages cups printer-driver-cups-pdf poppler-utils)";

    QElapsedTimer clock;
    clock.start();
    LocalCupsServer server;
    QString error;
    ASSERT_TRUE(server.start(error)) << error.toStdString();
    const ToolRun added = runTool(QStringLiteral("lpadmin"), {"-p", kQueue, "-v", "cups-pdf:/", "-E", "-m",
                                                              "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd"});
    ASSERT_TRUE(added.ok) << added.output.toStdString();
    // The system default is only changed on a scheduler of our own.
    if (server.startedHere())
        runTool(QStringLiteral("lpadmin"), {"-d", kQueue});
    const qint64 setupMs = clock.elapsed();

    // One column, two rows each taller than half the printable height: two pages.
    Report report;
    test::shapeReport(report, {300}, {600, 600});
    report.setCellCaption(0, 0, QStringLiteral("第一页"));
    report.setCellCaption(0, 1, QStringLiteral("第二页"));
    PageSettings settings(96);
    settings.printerName = kQueue;
    Pagination pagination;
    pagination.paginate(report, settings);
    ASSERT_EQ(pagination.pageCount(), 2);

    const QString title = QStringLiteral("cellvexspool%1").arg(QDateTime::currentMSecsSinceEpoch());
    QStringList errors;
    SystemPrinterService printer;
    PrintJob job(report, settings, pagination, printer, [&](const QString &m) { errors << m; });
    const qint64 printStart = clock.elapsed();
    // A job given up half way must never reach the queue (it goes first, so
    // it would be done by the time the real job is).
    const QString abortedTitle = title + QStringLiteral("aborted");
    ASSERT_TRUE(printer.beginJob(abortedTitle)) << printer.lastError().toStdString();
    ASSERT_NE(printer.pageCanvas(), nullptr);
    printer.pageCanvas()->drawText(100, 100, QStringLiteral("half a report"));
    printer.abortJob();
    EXPECT_EQ(printer.pageCanvas(), nullptr);
    ASSERT_EQ(job.printAll(title), PrintJob::Result::Printed) << printer.lastError().toStdString();
    EXPECT_TRUE(errors.isEmpty());

    const QString pdf = waitForPdf(kQueue, title);
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF for " << title.toStdString() << " in "
                                << pdfFolder().toStdString();
    const qint64 printMs = clock.elapsed() - printStart;
    EXPECT_TRUE(
        QDir(pdfFolder()).entryList({QStringLiteral("*%1*").arg(abortedTitle)}, QDir::Files).isEmpty());

    const ToolRun info = runTool(QStringLiteral("pdfinfo"), {pdf});
    ASSERT_TRUE(info.ok) << info.output.toStdString();
    const QRegularExpressionMatch pages =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info.output);
    ASSERT_TRUE(pages.hasMatch()) << info.output.toStdString();
    EXPECT_EQ(pages.captured(1).toInt(), 2);
    EXPECT_TRUE(info.output.contains(QLatin1String("(A4)"))) << info.output.toStdString();
    QFile::remove(pdf);

    std::cout << "device " << printer.resolution().width() << "x" << printer.resolution().height()
              << " dpi, offset " << printer.physicalOffset().x() << "," << printer.physicalOffset().y()
              << "\n";
    std::cout << "spooler set-up " << setupMs << " ms, print to PDF " << printMs << " ms, "
              << pages.captured(1).toStdString() << " pages\n";
}

// Most printers cannot print the paper's edge. The canvas origin then lies
// inside the paper, and the grid must still start at the left margin measured
// from the paper's edge: at 76 pixels of 96 dpi for the 20 mm default.
TEST(PrintSpooler, GridStartsAtTheMarginWhateverThePrintersBorder)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "starting cupsd and creating a queue needs root";
    if (const QString missing = missingTool(); !missing.isEmpty())
        GTEST_SKIP() << "missing " << missing.toStdString();
    if (!QFileInfo::exists(QStringLiteral("/usr/bin/pdftoppm")))
        GTEST_SKIP() << "missing /usr/bin/pdftoppm (package poppler-utils)";

    LocalCupsServer server;
    QString error;
    ASSERT_TRUE(server.start(error)) << error.toStdString();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const int border = 18; // points: a quarter of an inch
    const QString ppd = borderedPpd(dir, border);
    ASSERT_FALSE(ppd.isEmpty());
    const QString queue = QStringLiteral("PDFBordered");
    const ToolRun added =
        runTool(QStringLiteral("lpadmin"), {"-p", queue, "-v", "cups-pdf:/", "-E", "-P", ppd});
    ASSERT_TRUE(added.ok) << added.output.toStdString();

    Report report;
    report.newReport(4, 4); // 80 x 19 pixel cells with their left and top borders
    PageSettings settings(96);
    settings.printerName = queue;
    Pagination pagination;
    pagination.paginate(report, settings);
    const QString title = QStringLiteral("cellvexborder%1").arg(QDateTime::currentMSecsSinceEpoch());
    QStringList errors;
    SystemPrinterService printer;
    printer.selectPrinter(int(printer.printers().indexOf(queue)));
    const QSize dpi = printer.resolution();
    EXPECT_EQ(printer.physicalOffset(), QPoint(border * dpi.width() / 72, border * dpi.height() / 72));
    PrintJob job(report, settings, pagination, printer, [&](const QString &m) { errors << m; });
    ASSERT_EQ(job.printAll(title), PrintJob::Result::Printed) << printer.lastError().toStdString();
    EXPECT_TRUE(errors.isEmpty());
    const QString pdf = waitForPdf(queue, title);
    runTool(QStringLiteral("lpadmin"), {"-x", queue});
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF for " << title.toStdString();

    // Through the middle of row 0: the first dark pixel is column 0's left border.
    EXPECT_NEAR(firstDarkColumn(pdf, dir, 76 + 9), 76, 1);
    QFile::remove(pdf);
}
