#include "ReportDocument.h"

#include "common/SaveFileCommit.h"
#include "document/ReportDocumentReader.h"
#include "document/ReportDocumentWriter.h"
#include "report/ChartCellOps.h"
#include "report/Report.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace cellvex {

void saveReportFile(Report &report, const PageSettings &page, const QString &fileName)
{
    report.setEditing(false);
    if (fileName.isEmpty())
        throw ReportError(QStringLiteral("无法保存报表：没有给出文件名"));
    const QByteArray stored = storedReport(report, page);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw ReportError(QStringLiteral("无法保存报表文件 %1：%2").arg(fileName, file.errorString()));
    QString reason;
    if (file.write(stored) != stored.size())
        reason = file.errorString();
    else
        commitSaveFile(file, &reason);
    if (!reason.isEmpty())
        throw ReportError(QStringLiteral("无法保存报表文件 %1：%2").arg(fileName, reason));
    report.setSaved(true);
}

QString saveReportString(Report &report, const PageSettings &page)
{
    report.setEditing(false);
    const QString stored = QString::fromLatin1(storedReport(report, page));
    report.setSaved(true);
    return stored;
}

std::optional<LoadedReport> readReportFile(const QString &fileName, int pixelsPerInch,
                                           const DocumentLimits &limits)
{
    if (fileName.isEmpty() || !QFileInfo::exists(fileName))
        return std::nullopt;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw ReportError(QStringLiteral("无法读取报表文件 %1：%2").arg(fileName, file.errorString()));
    if (file.size() > limits.maxStoredBytes)
        throw ReportError(
            QStringLiteral("报表文件 %1 超过 %2 字节的上限").arg(fileName).arg(limits.maxStoredBytes));
    const QByteArray stored = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw ReportError(QStringLiteral("无法读取报表文件 %1：%2").arg(fileName, file.errorString()));
    return readReportDocument(stored, pixelsPerInch, limits);
}

LoadedReport readReportString(const QString &stored, int pixelsPerInch, const DocumentLimits &limits)
{
    // A stored form is ASCII; anything else is skipped like line breaks.
    return readReportDocument(stored.toLatin1(), pixelsPerInch, limits);
}

void applyLoadedReport(Report &report, PageSettings &page, LoadedReport &&loaded)
{
    // An empty new report resets everything the document does not hold
    // (selection, input cell, modes) and bumps the generation, so that code
    // holding cells of the old report knows they are gone.
    report.newReport(0, 0);
    report.cells().swap(loaded.cells);
    report.fonts() = std::move(loaded.fonts);
    report.colRuler().loadFilePole(loaded.colRanges);
    report.rowRuler().loadFilePole(loaded.rowRanges);
    page = loaded.page;
    report.setPoleVisibleValue(loaded.poleVisible);
    report.setHeaderCount(loaded.headerCount);
    report.setFooterCount(loaded.footerCount);
    report.setInitialScript(loaded.initScriptType, loaded.initScriptText);
    report.setSaved(true);
    report.refreshAllBorders();
    // The charts were built without their cells' sizes.
    refreshChartSnapshots(report);
}

} // namespace cellvex
