#include "AliasIndex.h"

#include "cells/CellMatrix.h"

#include <algorithm>

namespace cellvex {

bool AliasIndex::current(const CellMatrix &cells) const
{
    return m_valid && m_stamp == cells.layoutStamp();
}

void AliasIndex::rebuild(const CellMatrix &cells) const
{
    m_positions.clear();
    // Columns first, then rows: each list comes out in lookup order.
    for (int c = 0; c < cells.colCount(); ++c)
        for (int r = 0; r < cells.rowCount(); ++r) {
            const Cell &cell = cells.at(c, r);
            if (cell.hasAlias())
                m_positions[cell.aliasName()].emplace_back(c, r);
        }
    m_stamp = cells.layoutStamp();
    m_valid = true;
}

const std::vector<AliasIndex::Position> *AliasIndex::positionsOf(const CellMatrix &cells,
                                                                 const QString &alias) const
{
    if (alias.isEmpty())
        return nullptr;
    if (!current(cells))
        rebuild(cells);
    const auto it = m_positions.constFind(alias);
    return it == m_positions.constEnd() || it->empty() ? nullptr : &*it;
}

bool AliasIndex::first(const CellMatrix &cells, const QString &alias, int &col, int &row) const
{
    const auto *at = positionsOf(cells, alias);
    if (!at)
        return false;
    std::tie(col, row) = at->front();
    return true;
}

bool AliasIndex::last(const CellMatrix &cells, const QString &alias, int &col, int &row) const
{
    const auto *at = positionsOf(cells, alias);
    if (!at)
        return false;
    std::tie(col, row) = at->back();
    return true;
}

void AliasIndex::added(const CellMatrix &cells, int col, int row, const QString &alias)
{
    // An index that is out of date is rebuilt on the next lookup anyway.
    if (!current(cells) || alias.isEmpty())
        return;
    auto &list = m_positions[alias];
    const Position p{col, row};
    const auto it = std::lower_bound(list.begin(), list.end(), p);
    if (it == list.end() || *it != p)
        list.insert(it, p);
}

void AliasIndex::removed(const CellMatrix &cells, int col, int row, const QString &alias)
{
    if (!current(cells) || alias.isEmpty())
        return;
    const auto found = m_positions.find(alias);
    if (found == m_positions.end())
        return;
    auto &list = *found;
    const Position p{col, row};
    const auto it = std::lower_bound(list.begin(), list.end(), p);
    if (it != list.end() && *it == p)
        list.erase(it);
    if (list.empty())
        m_positions.erase(found);
}

} // namespace cellvex
