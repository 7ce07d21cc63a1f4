#include "CellMatrix.h"

#include <atomic>

namespace cellvex {

std::uint64_t CellMatrix::nextStamp() noexcept
{
    static std::atomic<std::uint64_t> counter{0};
    return ++counter;
}

CellMatrix CellMatrix::create(int cols, int rows)
{
    CellMatrix m;
    if (cols <= 0 || rows <= 0) {
        m.m_columns.resize(size_t(cols > 0 ? cols : 0));
        m.m_rows = rows > 0 ? rows : 0;
        if (cols <= 0)
            m.m_rows = rows > 0 ? rows : 0;
        return m;
    }
    m.m_rows = rows;
    m.m_columns.resize(size_t(cols));
    for (int c = 0; c < cols; ++c) {
        auto &column = m.m_columns[size_t(c)];
        column.resize(size_t(rows));
        for (int r = 0; r < rows; ++r)
            column[size_t(r)].setTag(c, r);
    }
    return m;
}

void CellMatrix::markBlock(int left, int top, int right, int bottom)
{
    const BlockBounds bounds{left, top, right, bottom};
    for (int c = left; c <= right; ++c)
        for (int r = top; r <= bottom; ++r)
            at(c, r).setMerge(c == left && r == top ? MergeSign::Master : MergeSign::Covered, bounds);
}

void CellMatrix::insertColumns(int at, int count)
{
    m_stamp = nextStamp();
    std::vector<std::vector<Cell>> fresh(static_cast<size_t>(count));
    for (auto &column : fresh)
        column.resize(size_t(m_rows));
    m_columns.reserve(m_columns.size() + size_t(count));
    m_columns.insert(m_columns.begin() + at, std::make_move_iterator(fresh.begin()),
                     std::make_move_iterator(fresh.end()));
    for (int c = at; c < colCount(); ++c) {
        auto &column = m_columns[size_t(c)];
        for (int r = 0; r < m_rows; ++r)
            column[size_t(r)].setTag(c, r);
    }
}

void CellMatrix::removeColumns(int at, int count)
{
    m_stamp = nextStamp();
    m_columns.erase(m_columns.begin() + at, m_columns.begin() + at + count);
    for (int c = at; c < colCount(); ++c) {
        auto &column = m_columns[size_t(c)];
        for (int r = 0; r < m_rows; ++r)
            column[size_t(r)].setTag(c, r);
    }
}

void CellMatrix::insertRows(int at, int count)
{
    m_stamp = nextStamp();
    const size_t rows = size_t(m_rows) + size_t(count);
    // Reserving every column first is what may fail; the inserts after it
    // only move cells, which cannot.
    for (auto &column : m_columns)
        column.reserve(rows);
    for (int c = 0; c < colCount(); ++c) {
        auto &column = m_columns[size_t(c)];
        column.insert(column.begin() + at, size_t(count), Cell());
        for (size_t r = size_t(at); r < rows; ++r)
            column[r].setTag(c, int(r));
    }
    m_rows = int(rows);
}

void CellMatrix::removeRows(int at, int count)
{
    m_stamp = nextStamp();
    m_rows -= count;
    for (int c = 0; c < colCount(); ++c) {
        auto &column = m_columns[size_t(c)];
        column.erase(column.begin() + at, column.begin() + at + count);
        for (int r = at; r < m_rows; ++r)
            column[size_t(r)].setTag(c, r);
    }
}

} // namespace cellvex
