#pragma once

#include <QStringList>

namespace cellvex {

// `cellvex convert IN OUT.EXT [--range c1,r1,c2,r2] [--by-alias]`: opens a
// stored report (.cvd), or the used range of a workbook's first sheet
// (.xlsx), and writes it in the format OUT's extension names (.cvd, .html,
// .txt, .xml, .pdf, .png, .xlsx). Returns the process exit code: 0 when
// written, 1 with the reason on standard error; nothing is left half
// written. Each run is one process with nothing shared, so many can run at
// once.
int runConvert(const QStringList &args);

} // namespace cellvex
