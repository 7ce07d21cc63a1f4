#pragma once

#include <QString>

namespace cellvex::xlsx {

class Worksheet;

// Writes `sheet` as the only worksheet of a new .xlsx workbook named
// `fileName`, through libxlsxwriter. The workbook is written to a temporary
// file beside the target and renamed over it only when complete: a failure
// leaves an older file of that name as it was and no temporary file behind.
// Throws ReportError with a message for the user.
void writeWorkbook(const Worksheet &sheet, const QString &fileName);

} // namespace cellvex::xlsx
