// The service's workbook transfer: a range of the report written as a new
// .xlsx workbook, and a range of a workbook's first sheet replacing the report.
#include "ReportActions.h"

#include "document/ReportDocument.h"
#include "export/ExportRange.h"
#include "export/xlsx/ReportFromSheet.h"
#include "export/xlsx/SheetFromReport.h"
#include "print/PrinterService.h"

#include <QCoreApplication>

namespace cellvex {

namespace {

void checkFileName(const QString &fileName)
{
    if (fileName.trimmed().isEmpty())
        throw ReportError(QCoreApplication::translate("Cellvex", "No file name was given for the workbook"));
}

} // namespace

bool ReportActions::printerInstalled()
{
    const std::shared_ptr<PrinterService> printers = m_frame.printerService();
    return printers && printers->printerCount() > 0;
}

void ReportActions::transExcel(const QString &fileName, bool selected, int col1, int row1, int col2, int row2)
{
    const std::optional<ExportRange> range = exportRange(m_report, selected, col1, row1, col2, row2);
    if (!range)
        return; // a range the report does not hold: no workbook at all
    const std::unique_ptr<xlsx::SpreadsheetProgram> program = m_spreadsheetProgram();
    if (!program)
        return; // without the program there is nothing to write with
    checkFileName(fileName);
    refreshChartSnapshots(); // chart cells are written as their pictures
    program->saveAs(xlsx::sheetFromReport(m_report, *range, printerInstalled()), fileName);
}

void ReportActions::transFormExcel(const QString &fileName, int firstCol, int lastCol, int firstRow,
                                   int lastRow)
{
    const std::unique_ptr<xlsx::SpreadsheetProgram> program = m_spreadsheetProgram();
    if (!program)
        return;
    checkFileName(fileName);
    // Everything is read and checked before the report is touched: a file
    // or range that cannot be imported leaves the report, the input being
    // typed, the selection and Saved as they were.
    const xlsx::ImportRange range{firstCol, lastCol, firstRow, lastRow};
    const xlsx::WorkbookContents contents = program->open(fileName, range.readWindow());
    xlsx::checkImportRange(range, contents.used);
    LoadedReport loaded = xlsx::reportFromSheet(contents.sheet, range, printerInstalled(),
                                                m_report.pageSettings().pixelsPerInch());
    loaded.poleVisible = m_report.poleVisible();
    openReport(std::move(loaded));
}

} // namespace cellvex
