#include "ConvertCommand.h"

#include "automation/ErrorInfo.h"
#include "automation/MemberId.h"
#include "common/ReportError.h"
#include "control/CellvexControl.h"
#include "control/MemberBoundary.h"
#include "control/ReportActions.h"
#include "export/xlsx/XlsxFileReader.h"

#include <QFileInfo>
#include <QTextStream>

#include <vector>

namespace cellvex {

namespace {

using automation::MemberId;
using automation::Variant;

// Runs a member as a host would; throws ReportError with its message.
void call(CellvexControl &control, MemberId id, std::vector<Variant> args)
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

} // namespace

int runConvert(const QStringList &args)
{
    QTextStream err(stderr);
    if (args.size() != 2 || isWorkbook(args[0]) == isWorkbook(args[1])) {
        err << "usage: cellvex convert IN.cvd OUT.xlsx | cellvex convert IN.xlsx OUT.cvd\n";
        return 2;
    }
    const QString in = args[0], out = args[1];
    CellvexControl control;
    try {
        if (isWorkbook(in)) {
            const xlsx::WorkbookContents book = xlsx::readWorkbook(in, {}, xlsx::SheetRange{1, 1, 1, 1});
            if (book.used.isEmpty())
                throw ReportError(QStringLiteral("the first worksheet of %1 is empty").arg(in));
            call(control, MemberId::TransFormExcel,
                 {Variant::fromString(in), Variant::fromLong(1), Variant::fromLong(book.used.lastCol),
                  Variant::fromLong(1), Variant::fromLong(book.used.lastRow)});
            call(control, MemberId::SaveReport, {Variant::fromString(out)});
        } else {
            call(control, MemberId::OpenReport, {Variant::fromString(in)});
            call(control, MemberId::TransExcel,
                 {Variant::fromString(out), Variant::fromBool(false), Variant::fromLong(0),
                  Variant::fromLong(0), Variant::fromLong(0), Variant::fromLong(0)});
        }
    } catch (const ReportError &e) {
        err << "convert: " << e.message() << "\n";
        return 1;
    }
    return 0;
}

} // namespace cellvex
