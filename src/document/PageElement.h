#pragma once

#include "document/LoadedReport.h"
#include "document/XmlAttributes.h"
#include "document/XmlElement.h"

namespace cellvex {

class Report;
struct PageSettings;

// The "Page" element: the page settings with the report-wide values that
// travel with them (ruler display mode, header and footer row counts, the
// init script).
void writePageElement(XmlElement page, const Report &report, const PageSettings &settings);

// Reads the attributes into `out`; an absent attribute keeps the value of a new report. Throws
// ReportError for a number that cannot be read.
void readPageAttributes(XmlAttributeList attributes, LoadedReport &out);

} // namespace cellvex
