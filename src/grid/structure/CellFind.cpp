#include "CellFind.h"

#include "grid/structure/TextMatch.h"
#include "report/MergeExpansion.h"
#include "report/Report.h"

#include <algorithm>

namespace cellvex {

namespace {

bool matches(const Cell &cell, const FindRequest &q)
{
    return cell.sign() != MergeSign::Covered && isTextLike(cell.kind()) &&
           textMatches(cell.caption(), q.text, q.caseSensitive, q.wholeWords);
}

} // namespace

std::optional<QPoint> findCell(const Report &report, const FindRequest &q)
{
    if (q.text.isEmpty() || report.colCount() == 0 || report.rowCount() == 0)
        return std::nullopt;
    QRect range(QPoint(0, 0), QPoint(report.colCount() - 1, report.rowCount() - 1));
    if (q.selected) {
        if (!report.hasSelection())
            return std::nullopt;
        range = range.intersected(report.selection());
        if (range.isEmpty())
            return std::nullopt;
    }
    const bool hasStart = report.inputCol() >= 0 && report.inputRow() >= 0;
    const int startCol = hasStart ? report.inputCol() : 0, startRow = hasStart ? report.inputRow() : 0;

    // Scan along "major" lines (columns or rows) and "minor" positions in
    // them; a cell qualifies when it comes after the start in that order,
    // or is the start itself when there is no input cell.
    const int majorStart = q.byColumns ? startCol : startRow;
    const int minorStart = q.byColumns ? startRow : startCol;
    const int majorFirst = q.byColumns ? range.left() : range.top();
    const int majorLast = q.byColumns ? range.right() : range.bottom();
    const int minorFirst = q.byColumns ? range.top() : range.left();
    const int minorLast = q.byColumns ? range.bottom() : range.right();
    const int step = q.backwards ? -1 : 1;

    auto qualifies = [&](int major, int minor) {
        if (major != majorStart)
            return true; // only lines on the scan's side of the start are visited
        if (minor == minorStart)
            return !hasStart;
        return q.backwards ? minor < minorStart : minor > minorStart;
    };
    const int majorFrom = q.backwards ? std::min(majorStart, majorLast) : std::max(majorStart, majorFirst);
    const int majorTo = q.backwards ? majorFirst : majorLast;
    for (int major = majorFrom; q.backwards ? major >= majorTo : major <= majorTo; major += step) {
        for (int minor = q.backwards ? minorLast : minorFirst;
             q.backwards ? minor >= minorFirst : minor <= minorLast; minor += step) {
            if (!qualifies(major, minor))
                continue;
            const int col = q.byColumns ? major : minor, row = q.byColumns ? minor : major;
            if (matches(*report.cell(col, row), q))
                return QPoint(col, row);
        }
    }
    return std::nullopt;
}

bool findCellsString(Report &report, const FindRequest &request)
{
    const std::optional<QPoint> hit = findCell(report, request);
    if (!hit)
        return false;
    const QRect range = cellRange(report, hit->x(), hit->y());
    report.setSelectionRect(range.left(), range.top(), range.right(), range.bottom());
    report.setInputCell(range.left(), range.top());
    report.setWholeModes(false, false);
    return true;
}

} // namespace cellvex
