#pragma once

#include "XlsxFileReader.h"

#include <QString>

#include <functional>
#include <memory>

namespace cellvex::xlsx {

class Worksheet;

// The spreadsheet program as the transfer members drive it: a new workbook
// is a `Worksheet` filled cell by cell and saved (SaveAs); an existing one
// is opened and its first worksheet read (WorkBooks.Open). This one works on
// .xlsx files itself; tests put in a factory that answers nullptr, which is
// how a missing program looks to the members.
class SpreadsheetProgram
{
public:
    virtual ~SpreadsheetProgram() = default;

    // Throws ReportError when the workbook cannot be written; an older
    // file of that name is then kept.
    virtual void saveAs(const Worksheet &sheet, const QString &fileName);
    // Keeps only the cells, widths and heights inside `window`; throws
    // ReportError when the file is no workbook that can be read.
    virtual WorkbookContents open(const QString &fileName, const SheetRange &window);
};

using SpreadsheetProgramFactory = std::function<std::unique_ptr<SpreadsheetProgram>()>;

// The factory of the program working on files.
SpreadsheetProgramFactory fileSpreadsheetProgram();

} // namespace cellvex::xlsx
