#include "HeadlessRun.h"

#include "HostError.h"
#include "MainWindow.h"

#include "automation/ICellvex.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>

namespace cellvex::demo {

namespace {

struct Sample
{
    const char *file;
    const char *ascii;
};
constexpr Sample kSamples[] = {{"图表.cvd", "chart"}, {"报告.cvd", "report"}, {"帐表.cvd", "account"}};

// The pages go to PDF through `cellvex convert`, which prints a stored
// report exactly as the control prints it; the program itself only talks
// to the control through its interface, whose Print needs a printer.
QString convertTool(const QString &programFolder)
{
    const QStringList beside{programFolder, programFolder + QStringLiteral("/../tools/cellvex")};
    const QString found = QStandardPaths::findExecutable(QStringLiteral("cellvex"), beside);
    return found.isEmpty() ? QStandardPaths::findExecutable(QStringLiteral("cellvex")) : found;
}

} // namespace

int runHeadless(MainWindow &window, automation::ICellvex &control, const QString &programFolder,
                const QString &outDir)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (!QDir().mkpath(outDir)) {
        err << "cellvex-demo: cannot create " << outDir << "\n";
        return 1;
    }
    const QString tool = convertTool(programFolder);
    window.resize(1280, 860);
    window.show();
    int status = 0;
    for (const Sample &sample : kSamples) {
        const QString report = QDir(programFolder).filePath(QString::fromUtf8(sample.file));
        const QString png =
            QDir(outDir).absoluteFilePath(QStringLiteral("demo-%1.png").arg(QLatin1String(sample.ascii)));
        const QString pdf =
            QDir(outDir).absoluteFilePath(QStringLiteral("demo-%1.pdf").arg(QLatin1String(sample.ascii)));
        try {
            checkCall(control.OpenReport(report));
        } catch (const HostError &error) {
            err << "cellvex-demo: " << report << ": " << error.text() << "\n";
            status = 1;
            continue;
        }
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        if (window.grab().toImage().save(png, "PNG")) {
            out << "wrote " << png << "\n";
        } else {
            err << "cellvex-demo: cannot write " << png << "\n";
            status = 1;
        }
        if (tool.isEmpty()) {
            err << "cellvex-demo: no cellvex tool found beside the program or on PATH; " << pdf
                << " not written\n";
            status = 1;
            continue;
        }
        QProcess convert;
        convert.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        convert.start(tool, {QStringLiteral("convert"), report, pdf});
        if (convert.waitForFinished(120000) && convert.exitStatus() == QProcess::NormalExit &&
            convert.exitCode() == 0) {
            out << "wrote " << pdf << "\n";
        } else {
            err << "cellvex-demo: " << tool << " convert did not write " << pdf << "\n";
            status = 1;
        }
    }
    out.flush();
    return status;
}

} // namespace cellvex::demo
