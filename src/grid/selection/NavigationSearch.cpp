#include "NavigationSearch.h"

#include "report/Report.h"

namespace cellvex {

bool isReachable(const Report &report, int col, int row)
{
    const Cell *c = report.cell(col, row);
    if (!c || c->sign() == MergeSign::Covered)
        return false;
    if (c->sign() == MergeSign::None)
        return report.colWidth(col) > 0 && report.rowHeight(row) > 0;
    const ReportRect r = report.cellRect(col, row);
    return r.width > 0 && r.height > 0;
}

bool isEnterable(const Report &report, int col, int row)
{
    const Cell *c = report.cell(col, row);
    return c && !c->readOnly() && isReachable(report, col, row);
}

namespace {

// Cells numbered along the scan order, in 64 bit: a report may hold more
// cells than an int counts.
struct Linear
{
    ScanOrder order;
    std::int64_t cols, rows;

    std::int64_t total() const { return cols * rows; }
    std::int64_t index(QPoint p) const
    {
        return order == ScanOrder::Reading ? std::int64_t(p.y()) * cols + p.x()
                                           : std::int64_t(p.x()) * rows + p.y();
    }
    QPoint cell(std::int64_t i) const
    {
        return order == ScanOrder::Reading ? QPoint(int(i % cols), int(i / cols))
                                           : QPoint(int(i / rows), int(i % rows));
    }
};

QPoint scanRange(const Report &report, const Linear &lin, std::int64_t from, std::int64_t to, bool forwards,
                 const CellTest &test)
{
    // Inclusive range walked from `from` towards `to`.
    if (forwards) {
        for (std::int64_t i = std::max<std::int64_t>(from, 0); i <= to; ++i) {
            const QPoint p = lin.cell(i);
            if (test(report, p.x(), p.y()))
                return p;
        }
    } else {
        for (std::int64_t i = std::min(from, lin.total() - 1); i >= to; --i) {
            const QPoint p = lin.cell(i);
            if (test(report, p.x(), p.y()))
                return p;
        }
    }
    return QPoint(-1, -1);
}

} // namespace

QPoint scanCellsWrapping(const Report &report, ScanOrder order, bool forwards, QPoint from,
                         const CellTest &test)
{
    const Linear lin{order, report.colCount(), report.rowCount()};
    if (lin.total() == 0)
        return QPoint(-1, -1);
    const std::int64_t start = lin.index(from);
    if (forwards) {
        const QPoint hit = scanRange(report, lin, start, lin.total() - 1, true, test);
        if (hit.x() >= 0)
            return hit;
        // The cells from the start up to `from` are the ones not yet seen.
        return scanRange(report, lin, 0, std::min(start, lin.total() - 1), true, test);
    }
    const QPoint hit = scanRange(report, lin, start, 0, false, test);
    if (hit.x() >= 0)
        return hit;
    return scanRange(report, lin, lin.total() - 1, std::max<std::int64_t>(start, 0), false, test);
}

} // namespace cellvex
