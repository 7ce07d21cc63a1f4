// A real print run through the system's spooler: a local CUPS server with
// the cups-pdf queue turns the job into a PDF whose pages can be counted.
// Needs root (cupsd, lpadmin) and the packages cups, printer-driver-cups-pdf
// and poppler-utils; skipped otherwise. Every wait is bounded.
#include "control/Report.h"
#include "print/PageSettings.h"
#include "print/Pagination.h"
#include "print/PrintJob.h"
#include "print/SystemPrinterService.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
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
    report.newReport(1, 2);
    report.colRuler().loadFilePole({300});
    report.rowRuler().loadFilePole({600, 600});
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

    const bool drained = waitFor(
        [] {
            const ToolRun r = runTool(QStringLiteral("lpstat"), {"-o", kQueue}, 5000);
            return r.ok && r.output.trimmed().isEmpty();
        },
        60000);
    ASSERT_TRUE(drained) << "the queue did not empty within a minute";
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
