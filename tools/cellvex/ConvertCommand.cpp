#include "ConvertCommand.h"

#include "ConvertOptions.h"

#include "automation/ErrorInfo.h"
#include "automation/MemberId.h"
#include "common/ReportError.h"
#include "common/SaveFileCommit.h"
#include "control/CellvexControl.h"
#include "control/MemberBoundary.h"
#include "document/ReportDocument.h"
#include "export/StagedFiles.h"
#include "export/StandaloneHtml.h"
#include "export/TextExport.h"
#include "export/xlsx/XlsxFileReader.h"
#include "print/PageExport.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <QTextStream>

#include <vector>

namespace cellvex {

namespace {

using automation::MemberId;
using automation::Variant;

// Runs a member as a host would; throws ReportError with its message.
void callMember(CellvexControl &control, MemberId id, std::vector<Variant> args)
{
    automation::ErrorInfo errors;
    Variant result;
    if (automation::failed(runMember(control.actions(), automation::rowIndexOf(id), args, &result, errors)))
        throw ReportError(errors.description());
}

bool isWorkbook(const QString &file)
{
    return QFileInfo(file).suffix().compare(QLatin1String("xlsx"), Qt::CaseInsensitive) == 0;
}

// The used range of the workbook's first sheet becomes the report.
void openWorkbook(CellvexControl &control, const QString &fileName)
{
    const xlsx::WorkbookContents book = xlsx::readWorkbook(fileName, {}, xlsx::SheetRange{1, 1, 1, 1});
    if (book.used.isEmpty())
        throw ReportError(QStringLiteral("the first worksheet of %1 is empty").arg(fileName));
    callMember(control, MemberId::TransFormExcel,
               {Variant::fromString(fileName), Variant::fromLong(1), Variant::fromLong(book.used.lastCol),
                Variant::fromLong(1), Variant::fromLong(book.used.lastRow)});
}

// The columns of a text export are separated by tabs, one line per row, so
// that the file opens as a table in other programs.
const QString kTextSeparator = QStringLiteral("\t");

void writeSingleFile(const QString &fileName, const QByteArray &bytes)
{
    StagedFiles files;
    files.add(fileName, bytes);
    files.commit();
}

ExportRange rangeOf(const Report &report, const ConvertOptions &options)
{
    if (!options.range)
        return *exportRange(report, false, 0, 0, 0, 0);
    const QRect &r = *options.range; // 1-based, as the members take it
    const std::optional<ExportRange> range =
        exportRange(report, true, r.left() - 1, r.top() - 1, r.right() - 1, r.bottom() - 1);
    if (!range)
        throw ReportError(
            QStringLiteral("--range %1,%2,%3,%4 lies outside the report of %5 columns and %6 rows")
                .arg(r.left())
                .arg(r.top())
                .arg(r.right())
                .arg(r.bottom())
                .arg(report.colCount())
                .arg(report.rowCount()));
    return *range;
}

void writePdf(CellvexControl &control, const QString &fileName)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw ReportError(fileWriteFailure(fileName));
    try {
        writePagesPdf(control.report(), control.report().pageSettings(), control.actions().pagination(), file,
                      QFileInfo(fileName).completeBaseName());
    } catch (...) {
        file.cancelWriting();
        throw;
    }
    if (!commitSaveFile(file))
        throw ReportError(fileWriteFailure(fileName));
}

// OUT.png becomes OUT-1.png, OUT-2.png, ...: all pages or none.
void writePngPages(CellvexControl &control, const QString &fileName)
{
    const Pagination &pagination = control.actions().pagination();
    if (pagination.pageCount() < 1)
        throw ReportError(QStringLiteral("报表没有可输出的页"));
    const QFileInfo info(fileName);
    const QString stem = info.absolutePath() + QLatin1Char('/') + info.completeBaseName();
    StagedFiles files;
    for (std::int64_t page = 1; page <= pagination.pageCount(); ++page) {
        const QString name = stem + QStringLiteral("-%1.png").arg(page);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "png");
        if (!writer.write(pageImage(control.report(), control.report().pageSettings(), pagination, page)))
            throw ReportError(fileWriteFailure(name));
        files.add(name, bytes);
    }
    files.commit();
}

void convert(CellvexControl &control, const ConvertOptions &options)
{
    ReportActions &actions = control.actions();
    Report &report = control.report();
    switch (options.format) {
    case ConvertFormat::Report:
        saveReportFile(report, report.pageSettings(), options.output);
        break;
    case ConvertFormat::Html:
        actions.refreshChartSnapshots(); // chart cells are written as their pictures
        writeStandaloneHtml(report, rangeOf(report, options), options.output);
        break;
    case ConvertFormat::Text:
        writeSingleFile(options.output,
                        exportText(report, rangeOf(report, options), true, kTextSeparator).toUtf8());
        break;
    case ConvertFormat::Xml:
        writeSingleFile(options.output,
                        actions.exportXml(options.byAlias ? 1 : 0, QStringLiteral("UTF-8")).toUtf8());
        break;
    case ConvertFormat::Pdf:
        actions.refreshChartSnapshots();
        writePdf(control, options.output);
        break;
    case ConvertFormat::Png:
        actions.refreshChartSnapshots();
        writePngPages(control, options.output);
        break;
    case ConvertFormat::Workbook:
        callMember(control, MemberId::TransExcel,
                   {Variant::fromString(options.output), Variant::fromBool(false), Variant::fromLong(0),
                    Variant::fromLong(0), Variant::fromLong(0), Variant::fromLong(0)});
        break;
    }
}

} // namespace

int runConvert(const QStringList &args)
{
    QTextStream err(stderr);
    QString problem;
    const std::optional<ConvertOptions> options = parseConvertOptions(args, problem);
    if (!options) {
        err << "convert: " << problem << "\n" << kConvertUsage;
        return 1;
    }
    try {
        CellvexControl control;
        if (isWorkbook(options->input)) {
            if (!QFileInfo::exists(options->input)) {
                err << "convert: no such file: " << options->input << "\n";
                return 1;
            }
            openWorkbook(control, options->input);
            convert(control, *options);
            return 0;
        }
        std::optional<LoadedReport> loaded =
            readReportFile(options->input, control.report().pageSettings().pixelsPerInch());
        if (!loaded) {
            err << "convert: no such file: " << options->input << "\n";
            return 1;
        }
        control.actions().openReport(std::move(*loaded));
        convert(control, *options);
    } catch (const std::exception &e) {
        err << "convert: " << QString::fromUtf8(e.what()) << "\n";
        return 1;
    }
    return 0;
}

} // namespace cellvex
