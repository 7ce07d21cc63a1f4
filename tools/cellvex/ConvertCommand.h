#pragma once

#include <QStringList>

namespace cellvex {

// `cellvex convert IN OUT`: a stored report (.cvd) as an .xlsx workbook, or
// the used range of a workbook's first sheet as a stored report, through
// the control's own members. Returns the process exit code.
int runConvert(const QStringList &args);

} // namespace cellvex
