#include "CellFill.h"

#include "grid/ValueAssignment.h"
#include "report/Report.h"

namespace cellvex {

namespace {

struct FillRun
{
    Report &report;
    std::uint64_t generation;

    // Copies the source's current caption into the target; false once a
    // handler replaced or reshaped the report, which ends the fill.
    bool copy(int srcCol, int srcRow, int col, int row)
    {
        const Cell *src = report.cell(srcCol, srcRow);
        if (!src || !report.contains(col, row))
            return false;
        assignCellValue(report, col, row, src->caption());
        return report.generation() == generation;
    }
};

} // namespace

bool fillCells(Report &report, int direction)
{
    if (!report.hasSelection() || !report.contains(report.inputCol(), report.inputRow()))
        return false;
    if (direction < 1 || direction > 6)
        return false;
    // Marked first: an assignment that fails half-way leaves its forerunners.
    report.setSaved(false);
    const QRect s = report.selection();
    const int ic = report.inputCol(), ir = report.inputRow();
    FillRun run{report, report.generation()};

    switch (direction) {
    case 1:
    case 2: {
        const int from = direction == 1 ? ic + 1 : s.left();
        const int to = direction == 1 ? s.right() : ic - 1;
        for (int r = s.top(); r <= s.bottom(); ++r)
            for (int c = from; c <= to; ++c)
                if (!run.copy(ic, r, c, r))
                    return true;
        break;
    }
    case 3:
    case 4: {
        const int from = direction == 3 ? ir + 1 : s.top();
        const int to = direction == 3 ? s.bottom() : ir - 1;
        for (int c = s.left(); c <= s.right(); ++c)
            for (int r = from; r <= to; ++r)
                if (!run.copy(c, ir, c, r))
                    return true;
        break;
    }
    case 5:
        for (int r = s.top(); r <= s.bottom(); ++r)
            for (int c = s.left(); c <= s.right(); ++c)
                if ((c != ic || r != ir) && !run.copy(ic, ir, c, r))
                    return true;
        break;
    case 6:
        for (int c = s.left(); c <= s.right(); ++c)
            for (int r = s.top(); r <= s.bottom(); ++r)
                if ((c != ic || r != ir) && !run.copy(ic, ir, c, r))
                    return true;
        break;
    }
    return true;
}

} // namespace cellvex
