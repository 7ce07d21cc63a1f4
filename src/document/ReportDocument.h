#pragma once

#include "document/DocumentLimits.h"
#include "document/LoadedReport.h"

#include <QString>

#include <optional>

namespace cellvex {

class Report;
struct PageSettings;

// The stored report operations on the model, 0-based like the rest of it.
// The control finishes pending input before saving and, around applying a
// loaded report, hides the editors, lays out the rulers, paginates and
// raises its events.

// SaveReport: writes the stored form to the file, replacing it atomically
// (a temporary file renamed over it), and marks the report saved. Throws
// ReportError when the file cannot be written; the old file and the Saved
// flag then stay as they were.
void saveReportFile(Report &report, const PageSettings &page, const QString &fileName);

// SaveString: the stored form as a string; marks the report saved.
QString saveReportString(Report &report, const PageSettings &page);

// OpenReport's reading half: nothing when no file of that name exists,
// otherwise the report it holds. Throws ReportError for a file that cannot
// be read or does not hold a stored report.
std::optional<LoadedReport> readReportFile(const QString &fileName, int pixelsPerInch,
                                           const DocumentLimits &limits = {});

// OpenString's reading half. Throws ReportError for a string that is not a
// stored report.
LoadedReport readReportString(const QString &stored, int pixelsPerInch, const DocumentLimits &limits = {});

// Both opens' replacing half: the report and its page settings become the
// loaded ones. Like a new report, the selection, the input cell and the
// editing and whole-line modes are cleared, and the report is saved.
// Formulas are not computed and no script runs. Can fail only for memory.
void applyLoadedReport(Report &report, PageSettings &page, LoadedReport &&loaded);

} // namespace cellvex
