#pragma once

#include "document/DocumentLimits.h"
#include "document/LoadedReport.h"

#include <QByteArrayView>

namespace cellvex {

// Reads a report from its stored form: undoes the "--" line breaks, unpacks,
// decodes the GBK text, parses the XML and reads the page settings, both
// rulers and every cell into a LoadedReport. Throws ReportError with a
// message for the user when any of it fails; nothing outside the result is
// touched, so the current report stays as it was.
LoadedReport readReportDocument(QByteArrayView stored, int pixelsPerInch, const DocumentLimits &limits = {});

} // namespace cellvex
