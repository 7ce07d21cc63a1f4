#pragma once

#include <QHash>
#include <QString>

#include <cstdint>
#include <utility>
#include <vector>

namespace cellvex {

class CellMatrix;

// Where each alias stands, so that a lookup by alias does not scan the
// report. Built from the matrix on the first lookup after the cells may have
// moved (the matrix's layout stamp tells) or after someone wrote cells
// wholesale (invalidate); kept up to date by the alias setters in between.
class AliasIndex
{
public:
    // The first or the last cell (columns first, then rows) with the alias;
    // false when none has it.
    bool first(const CellMatrix &cells, const QString &alias, int &col, int &row) const;
    bool last(const CellMatrix &cells, const QString &alias, int &col, int &row) const;

    // The cell (col, row) took or lost the alias.
    void added(const CellMatrix &cells, int col, int row, const QString &alias);
    void removed(const CellMatrix &cells, int col, int row, const QString &alias);

    // Cells were replaced without the setters: look again next time.
    void invalidate() { m_valid = false; }

private:
    using Position = std::pair<int, int>; // (col, row), ordered columns first
    const std::vector<Position> *positionsOf(const CellMatrix &cells, const QString &alias) const;
    bool current(const CellMatrix &cells) const;
    void rebuild(const CellMatrix &cells) const;

    mutable QHash<QString, std::vector<Position>> m_positions;
    mutable std::uint64_t m_stamp = 0;
    mutable bool m_valid = false;
};

} // namespace cellvex
