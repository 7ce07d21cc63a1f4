#pragma once

#include "document/DocumentLimits.h"
#include "document/LoadedReport.h"

#include <QByteArrayView>

#include <optional>

namespace cellvex {

// Reads a report from its stored form: undoes the "--" line breaks, unpacks,
// decodes the GBK text, parses the XML and reads the page settings, both
// rulers and every cell into a LoadedReport. Throws ReportError with a
// message for the user when any of it fails; nothing outside the result is
// touched, so the current report stays as it was.
//
// The plain text the writer emits is read by a fast parser; anything else,
// and every document that fails, is read by the general XML parser, whose
// verdict counts. The two ways are also given on their own for the tests
// that compare them.
LoadedReport readReportDocument(QByteArrayView stored, int pixelsPerInch, const DocumentLimits &limits = {});

// The report as the fast parser reads it; empty when it declines.
std::optional<LoadedReport> readPlainReportDocument(QByteArrayView stored, int pixelsPerInch,
                                                    const DocumentLimits &limits = {});
// The report as the general parser reads it (throws as readReportDocument()).
LoadedReport readGeneralReportDocument(QByteArrayView stored, int pixelsPerInch,
                                       const DocumentLimits &limits = {});

} // namespace cellvex
