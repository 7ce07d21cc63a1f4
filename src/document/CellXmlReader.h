#pragma once

#include "document/CellXmlContent.h"

#include <QString>

namespace cellvex {

// Reads a "CellXML" text completely: parsing, the root, the addressing and
// every element's values, pictures unpacked. Throws ReportError when the
// text is not well-formed XML or its root is not "CellXML" although a
// declaration precedes it; an element whose values cannot be read keeps
// what came before the bad value. Pictures larger than `maxPictureBytes`
// unpacked count as unreadable.
CellXmlContent readCellXml(const QString &text, qsizetype maxPictureBytes);

} // namespace cellvex
