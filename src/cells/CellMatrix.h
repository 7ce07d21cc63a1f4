#pragma once

#include "cells/Cell.h"

#include <cstdint>
#include <vector>

namespace cellvex {

// The report's cells, indexed [column][row], every cell held by value.
// Cells know their own position (tagX, tagY), kept equal to the indices.
class CellMatrix
{
public:
    CellMatrix() = default;
    // A copy is another matrix: it takes a stamp of its own.
    CellMatrix(const CellMatrix &other) : m_columns(other.m_columns), m_rows(other.m_rows) {}
    CellMatrix &operator=(const CellMatrix &other)
    {
        m_columns = other.m_columns;
        m_rows = other.m_rows;
        m_stamp = nextStamp();
        return *this;
    }
    CellMatrix(CellMatrix &&) noexcept = default;
    CellMatrix &operator=(CellMatrix &&) noexcept = default;

    int colCount() const { return int(m_columns.size()); }
    int rowCount() const { return m_rows; }
    bool contains(int col, int row) const { return col >= 0 && row >= 0 && col < colCount() && row < m_rows; }

    Cell &at(int col, int row) { return m_columns[size_t(col)][size_t(row)]; }
    const Cell &at(int col, int row) const { return m_columns[size_t(col)][size_t(row)]; }
    Cell *find(int col, int row) { return contains(col, row) ? &at(col, row) : nullptr; }
    const Cell *find(int col, int row) const { return contains(col, row) ? &at(col, row) : nullptr; }

    // Builds a matrix of default cells; throws std::bad_alloc when memory runs out.
    static CellMatrix create(int cols, int rows);

    // Column and row inserts and deletes of the structure edits, as bulk
    // moves. New cells are default cells; every cell's tag stays equal to its
    // position. Memory is taken before anything moves, so std::bad_alloc
    // leaves the matrix as it was. Positions must lie in the matrix
    // (0 <= at <= count for inserts) and counts be positive.
    void insertColumns(int at, int count);
    void removeColumns(int at, int count);
    void insertRows(int at, int count);
    void removeRows(int at, int count);

    // Makes the rectangle, which must lie in the matrix, one merged block:
    // its top left cell the master, the others covered, each holding the
    // bounds. Cells that belonged to other blocks are not freed.
    void markBlock(int left, int top, int right, int bottom);

    void swap(CellMatrix &other) noexcept
    {
        m_columns.swap(other.m_columns);
        std::swap(m_rows, other.m_rows);
        m_stamp = nextStamp();
        other.m_stamp = nextStamp();
    }
    void clear()
    {
        m_columns.clear();
        m_columns.shrink_to_fit();
        m_rows = 0;
        m_stamp = nextStamp();
    }

    // Changes whenever cells may have moved: the matrix was built, swapped,
    // cleared, or lines were inserted or removed. Unique across matrices, so
    // what was worked out for one matrix is never taken for another.
    std::uint64_t layoutStamp() const { return m_stamp; }

    template <typename F> void forEach(F &&f)
    {
        for (auto &column : m_columns)
            for (Cell &c : column)
                f(c);
    }
    template <typename F> void forEach(F &&f) const
    {
        for (const auto &column : m_columns)
            for (const Cell &c : column)
                f(c);
    }

private:
    static std::uint64_t nextStamp() noexcept;

    std::vector<std::vector<Cell>> m_columns;
    int m_rows = 0;
    std::uint64_t m_stamp = nextStamp();
};

} // namespace cellvex
