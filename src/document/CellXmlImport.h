#pragma once

#include "document/CellXmlContent.h"

namespace cellvex {

class Report;

// Writes a read "CellXML" text into the report: first every value of the
// grid is emptied (captions of value cells, series of charts, check boxes
// to "0", pictures of value cells), through the cells' own value change;
// then, with scripts off, each element's caption, series and pictures go to
// its cell (by position, or the last cell in column order carrying the
// alias). Captions are stored as written, raising the change events, with
// no format applied. Scripts are on again when this returns or throws.
//
// Host handlers of the change events may rebuild the report: after every
// step that raised events the generation is compared, and a replaced
// report stops the import with a ReportError instead of writing into cells
// that are gone.
void applyCellXml(Report &report, const CellXmlContent &content);

} // namespace cellvex
