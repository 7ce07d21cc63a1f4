#pragma once

#include <QString>
#include <QStringView>

namespace cellvex {

class Report;

// Replaces every "@(" name ")" by the 1-based "column, row" of the first
// cell (columns first, then rows) whose alias is exactly the name, or by the
// bare name when no cell has it (an empty name matches no cell). Works line
// by line (CR, LF or CR LF); every line of the result, the last included,
// ends with CR LF, and a final line break adds no empty line. A "@(" without
// a ")" after it on its line makes the whole result empty, which callers
// read as "nothing to compute".
QString expandAliases(const Report &report, QStringView text);

} // namespace cellvex
