#include "Worksheet.h"

#include <algorithm>

namespace cellvex::xlsx {

SheetCell &Worksheet::cell(int row, int col)
{
    return m_cells[key(row, col)];
}

const SheetCell *Worksheet::findCell(int row, int col) const
{
    const auto it = m_cells.find(key(row, col));
    return it == m_cells.end() ? nullptr : &it->second;
}

const SheetStyle &Worksheet::style(int row, int col) const
{
    const SheetCell *c = findCell(row, col);
    return c ? c->style : defaultStyle;
}

double Worksheet::columnWidth(int col) const
{
    const auto it = m_columnWidths.find(col);
    return it == m_columnWidths.end() ? m_defaultColumnWidth : it->second;
}

double Worksheet::rowHeight(int row) const
{
    const auto it = m_rowHeights.find(row);
    return it == m_rowHeights.end() ? m_defaultRowHeight : it->second;
}

SheetRange Worksheet::mergeArea(int row, int col) const
{
    for (const SheetRange &m : m_merges)
        if (m.contains(row, col))
            return m;
    return SheetRange{row, col, row, col};
}

SheetRange Worksheet::usedRange() const
{
    SheetRange used{kMaxRows + 1, kMaxCols + 1, 0, 0};
    const auto include = [&used](int row, int col) {
        used.firstRow = std::min(used.firstRow, row);
        used.firstCol = std::min(used.firstCol, col);
        used.lastRow = std::max(used.lastRow, row);
        used.lastCol = std::max(used.lastCol, col);
    };
    for (const auto &[k, c] : m_cells)
        include(rowOfKey(k), colOfKey(k));
    for (const SheetRange &m : m_merges) {
        include(m.firstRow, m.firstCol);
        include(m.lastRow, m.lastCol);
    }
    if (used.lastRow == 0)
        return SheetRange{1, 1, 0, 0};
    return used;
}

} // namespace cellvex::xlsx
