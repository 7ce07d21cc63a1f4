#pragma once

#include "cells/Cell.h"

#include <cstddef>
#include <cstdint>

namespace cellvex {

// The report's cells, indexed [column][row], every cell held by value.
// Cells know their own position (tagX, tagY), kept equal to the indices.
//
// All cells live in one block of memory, column after column, each column
// given the same room (rowRoom cells, at least rowCount). Growing therefore
// takes at most one allocation, and none while the room suffices: an insert
// moves the cells after it within the block; one that needs more room moves
// every cell once, straight to its new place in a larger block (a large
// block grows where it lies, see CellMatrix.cpp). Slots outside
// colCount x rowCount hold no cell.
class CellMatrix
{
public:
    CellMatrix() = default;
    // A copy is another matrix: it takes a stamp of its own.
    CellMatrix(const CellMatrix &other);
    CellMatrix &operator=(const CellMatrix &other);
    CellMatrix(CellMatrix &&other) noexcept;
    CellMatrix &operator=(CellMatrix &&other) noexcept;
    ~CellMatrix();

    int colCount() const { return m_cols; }
    int rowCount() const { return m_rows; }
    bool contains(int col, int row) const { return col >= 0 && row >= 0 && col < m_cols && row < m_rows; }

    Cell &at(int col, int row) { return m_slots[slot(col, row)]; }
    const Cell &at(int col, int row) const { return m_slots[slot(col, row)]; }
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

    // The cells an insert of `count` columns or rows makes the matrix
    // write: the new ones while the room suffices, else every cell, as all
    // of them move (to a new block, while the old one is still held, when
    // the block cannot grow where it lies). What the memory check weighs
    // before the insert.
    std::int64_t cellsWrittenByInsert(bool columns, int count) const;

    // Makes the rectangle, which must lie in the matrix, one merged block:
    // its top left cell the master, the others covered, each holding the
    // bounds. Cells that belonged to other blocks are not freed.
    void markBlock(int left, int top, int right, int bottom);

    void swap(CellMatrix &other) noexcept;
    void clear();

    // Changes whenever cells may have moved: the matrix was built, swapped,
    // cleared, or lines were inserted or removed. Unique across matrices, so
    // what was worked out for one matrix is never taken for another.
    std::uint64_t layoutStamp() const { return m_stamp; }

    template <typename F> void forEach(F &&f)
    {
        for (int c = 0; c < m_cols; ++c) {
            Cell *column = m_slots + slot(c, 0);
            for (int r = 0; r < m_rows; ++r)
                f(column[r]);
        }
    }
    template <typename F> void forEach(F &&f) const
    {
        for (int c = 0; c < m_cols; ++c) {
            const Cell *column = m_slots + slot(c, 0);
            for (int r = 0; r < m_rows; ++r)
                f(column[r]);
        }
    }

private:
    static std::uint64_t nextStamp() noexcept;

    std::size_t slot(int col, int row) const { return std::size_t(col) * m_rowRoom + std::size_t(row); }
    // Moves every cell to a new block of colRoom x rowRoom slots, leaving
    // `count` default columns (columns) or rows (!columns) at `at`.
    void regrow(std::size_t colRoom, std::size_t rowRoom, bool columns, int at, int count);
    // Ends every cell's life and gives the block back.
    void release() noexcept;
    void retag(int firstCol, int firstRow);

    Cell *m_slots = nullptr;
    int m_cols = 0;
    int m_rows = 0;
    std::size_t m_colRoom = 0; // columns the block has room for
    std::size_t m_rowRoom = 0; // slots of each column (>= m_rows while there is a block)
    std::uint64_t m_stamp = nextStamp();
};

} // namespace cellvex
