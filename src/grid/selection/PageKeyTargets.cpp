#include "PageKeyTargets.h"

#include "report/MergeExpansion.h"
#include "report/Report.h"

namespace cellvex {

namespace {

// 1-based number of the band holding `index`, 0 when none does (a header or
// footer row lies outside every body band).
int bandNumber(const std::vector<int> &starts, int bands, int index)
{
    for (int b = 0; b < bands; ++b)
        if (index >= starts[size_t(b)] && index < starts[size_t(b) + 1])
            return b + 1;
    return 0;
}

} // namespace

QPoint pageKeyTarget(const Report &report, PageKey key, const PageBands &bands)
{
    const QPoint none(-1, -1);
    const int C = bands.colBands(), R = bands.rowBands();
    if (C == 0 || R == 0 || report.colCount() == 0 || report.rowCount() == 0)
        return none;
    auto firstOfPage = [&](int i, int j) {
        const int col = bands.colStarts[size_t(i)], row = bands.rowStarts[size_t(j)];
        if (!report.contains(col, row))
            return none;
        return masterCell(report, col, row);
    };
    const int ic = report.inputCol(), ir = report.inputRow();
    const bool hasInput = report.contains(ic, ir);
    const QPoint input(ic, ir);

    if (!hasInput) {
        switch (key) {
        case PageKey::PageUp:
        case PageKey::End:
            return firstOfPage(C - 1, R - 1);
        case PageKey::PageDown:
        case PageKey::Home:
            return QPoint(0, 0);
        }
        return none;
    }

    const int t = bandNumber(bands.colStarts, C, ic);
    const int u = bandNumber(bands.rowStarts, R, ir);
    switch (key) {
    case PageKey::PageUp:
        if (t >= 1 && u >= 2)
            return firstOfPage(t - 1, u - 2);
        if (t >= 2 && u == 1)
            return firstOfPage(t - 2, R - 1);
        return input;
    case PageKey::PageDown:
        if (t >= 1 && u >= 1 && u < R)
            return firstOfPage(t - 1, u);
        if (t >= 1 && u == R && t < C)
            return firstOfPage(t, 0);
        return input;
    case PageKey::End:
        if (ic >= bands.colStarts[size_t(C - 1)] && ir >= bands.rowStarts[size_t(R - 1)])
            return input;
        return firstOfPage(C - 1, R - 1);
    case PageKey::Home:
        if (ic >= bands.colStarts[1] || ir >= bands.rowStarts[1])
            return QPoint(0, 0);
        return input;
    }
    return none;
}

} // namespace cellvex
