#include "SpreadsheetProgram.h"

#include "XlsxFileWriter.h"

namespace cellvex::xlsx {

void SpreadsheetProgram::saveAs(const Worksheet &sheet, const QString &fileName)
{
    writeWorkbook(sheet, fileName);
}

WorkbookContents SpreadsheetProgram::open(const QString &fileName, const SheetRange &window)
{
    return readWorkbook(fileName, XlsxReadLimits(), window);
}

SpreadsheetProgramFactory fileSpreadsheetProgram()
{
    return [] { return std::make_unique<SpreadsheetProgram>(); };
}

} // namespace cellvex::xlsx
