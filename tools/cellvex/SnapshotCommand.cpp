#include "SnapshotCommand.h"

#include "control/CellvexControl.h"
#include "document/ReportDocument.h"

#include <QImage>
#include <QTextStream>

namespace cellvex {

namespace {

bool parseInt(const QString &s, int &out)
{
    bool ok = false;
    const int v = s.toInt(&ok);
    if (ok)
        out = v;
    return ok;
}

} // namespace

int runSnapshot(const QStringList &args)
{
    QTextStream err(stderr);
    QString out, open;
    int w = 640, h = 480, cols = -1, rows = -1, poleVisible = 1;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        auto next = [&](QString &value) {
            if (i + 1 >= args.size())
                return false;
            value = args.at(++i);
            return true;
        };
        QString v;
        if (a == QLatin1String("--size")) {
            const QStringList parts = next(v) ? v.split(QLatin1Char('x')) : QStringList();
            if (parts.size() != 2 || !parseInt(parts[0], w) || !parseInt(parts[1], h) || w <= 0 || h <= 0 ||
                w > 16384 || h > 16384) {
                err << "snapshot: --size wants WxH (1..16384)\n";
                return 2;
            }
        } else if (a == QLatin1String("--cols")) {
            if (!next(v) || !parseInt(v, cols) || cols < 0) {
                err << "snapshot: --cols wants a count\n";
                return 2;
            }
        } else if (a == QLatin1String("--rows")) {
            if (!next(v) || !parseInt(v, rows) || rows < 0) {
                err << "snapshot: --rows wants a count\n";
                return 2;
            }
        } else if (a == QLatin1String("--pole-visible")) {
            if (!next(v) || !parseInt(v, poleVisible)) {
                err << "snapshot: --pole-visible wants 0, 1 or 2\n";
                return 2;
            }
        } else if (a == QLatin1String("--open")) {
            if (!next(open)) {
                err << "snapshot: --open wants a stored report file\n";
                return 2;
            }
        } else if (a.startsWith(QLatin1String("--")) || !out.isEmpty()) {
            err << "snapshot: unexpected argument " << a << "\n";
            return 2;
        } else {
            out = a;
        }
    }
    if (out.isEmpty()) {
        err << "usage: cellvex snapshot OUT.png [--size WxH] [--cols N --rows N] [--pole-visible M] "
               "[--open FILE.cvd]\n";
        return 2;
    }

    CellvexControl control;
    control.resize(w, h);
    try {
        if (cols >= 0 || rows >= 0)
            control.actions().newReport(cols >= 0 ? cols : control.report().colCount(),
                                        rows >= 0 ? rows : control.report().rowCount());
        if (!open.isEmpty()) {
            std::optional<LoadedReport> loaded =
                readReportFile(open, control.report().pageSettings().pixelsPerInch());
            if (!loaded) {
                err << "snapshot: no such file: " << open << "\n";
                return 1;
            }
            control.actions().openReport(std::move(*loaded));
        }
    } catch (const std::exception &e) {
        err << "snapshot: " << QString::fromStdString(e.what()) << "\n";
        return 1;
    }
    control.setPoleVisible(poleVisible);
    const QImage image = control.grab().toImage();
    if (!image.save(out, "PNG")) {
        err << "snapshot: cannot write " << out << "\n";
        return 1;
    }
    return 0;
}

} // namespace cellvex
