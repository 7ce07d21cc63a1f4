#include "CellReplace.h"

#include "grid/ValueAssignment.h"
#include "grid/structure/TextMatch.h"
#include "report/Report.h"

namespace cellvex {

int replaceCellsString(Report &report, const ReplaceRequest &q)
{
    if (report.colCount() == 0 || report.rowCount() == 0)
        return 0;
    QRect range(QPoint(0, 0), QPoint(report.colCount() - 1, report.rowCount() - 1));
    if (q.selected) {
        if (!report.hasSelection())
            return 0;
        range = range.intersected(report.selection());
    }
    const std::uint64_t generation = report.generation();
    int assigned = 0;
    for (int c = range.left(); c <= range.right(); ++c)
        for (int r = range.top(); r <= range.bottom(); ++r) {
            const Cell *cell = report.cell(c, r);
            if (!isTextLike(cell->kind()))
                continue;
            const QString text =
                replacedText(cell->caption(), q.find, q.replacement, q.caseSensitive, q.wholeWords);
            if (text == cell->caption())
                continue;
            report.setSaved(false);
            ++assigned;
            assignCellValue(report, c, r, text);
            if (report.generation() != generation)
                return assigned;
        }
    return assigned;
}

} // namespace cellvex
