#pragma once

#include "print/Pagination.h"
#include "report/PageSettings.h"
#include "report/Report.h"

#include <vector>

namespace cellvex::test {

// Gives a report these column widths and row heights (pixels): as many
// columns and rows as sizes.
inline void shapeReport(Report &report, const std::vector<int> &widths, const std::vector<int> &heights)
{
    report.newReport(int(widths.size()), int(heights.size()));
    report.colRuler().loadFilePole(widths);
    report.rowRuler().loadFilePole(heights);
}

// A report with its page settings and pages: A4 portrait at 96 pixels per
// inch, 794 x 1123 pixels with margins of 76.
struct PagedReport
{
    Report report;
    PageSettings settings{96};
    Pagination pagination;

    void shape(const std::vector<int> &widths, const std::vector<int> &heights)
    {
        shapeReport(report, widths, heights);
    }
    void paginate() { pagination.paginate(report, settings); }
};

} // namespace cellvex::test
