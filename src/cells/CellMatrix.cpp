#include "CellMatrix.h"

#include <QTypeInfo>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <limits>
#include <new>
#include <utility>

#include <sys/mman.h>
#include <unistd.h>

namespace cellvex {

// A cell's members may move as bytes (shiftCells): its text is relocatable
// and the rest is plain values and one owning pointer.
static_assert(QTypeInfo<QString>::isRelocatable);

namespace {

// Blocks this large come straight from the kernel as a mapping of their
// own: a mapping can grow (mremap) by moving page tables, without copying
// the cells or holding two blocks at once.
constexpr std::size_t kMappedBytes = std::size_t(4) << 20;

bool isMapped(std::size_t slotCount)
{
    return slotCount * sizeof(Cell) >= kMappedBytes;
}

// Raw room for `slotCount` cells; no cell lives there yet. `populate`
// has a mapped block's pages made at once (see create()).
Cell *allocateSlots(std::size_t slotCount, bool populate = false)
{
    if (slotCount == 0)
        return nullptr;
    if (slotCount > std::numeric_limits<std::size_t>::max() / sizeof(Cell))
        throw std::bad_alloc();
    if (!isMapped(slotCount))
        return static_cast<Cell *>(::operator new(slotCount * sizeof(Cell)));
    void *block = mmap(nullptr, slotCount * sizeof(Cell), PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS | (populate ? MAP_POPULATE : 0), -1, 0);
    if (block == MAP_FAILED)
        throw std::bad_alloc();
    return static_cast<Cell *>(block);
}

void freeSlots(Cell *block, std::size_t slotCount) noexcept
{
    if (!block)
        return;
    if (isMapped(slotCount))
        munmap(block, slotCount * sizeof(Cell));
    else
        ::operator delete(block);
}

// The mapped block of `oldCount` slots grown to `newCount`, its bytes kept;
// nullptr, the block untouched, when it is not mapped or cannot grow.
Cell *remapSlots(Cell *block, std::size_t oldCount, std::size_t newCount)
{
    if (!block || !isMapped(oldCount) || newCount < oldCount ||
        newCount > std::numeric_limits<std::size_t>::max() / sizeof(Cell))
        return nullptr;
    void *grown = mremap(block, oldCount * sizeof(Cell), newCount * sizeof(Cell), MREMAP_MAYMOVE);
    return grown == MAP_FAILED ? nullptr : static_cast<Cell *>(grown);
}

// Moves `n` cells as bytes (the ranges may overlap). Sound for cells: what
// they own lives elsewhere (the text's and the extension's storage) and
// nothing points at a cell, so its bytes are the cell wherever they lie;
// the source slots hold no cell afterwards.
void shiftCells(Cell *from, Cell *to, int n) noexcept
{
    if (n > 0)
        std::memmove(static_cast<void *>(to), static_cast<const void *>(from), std::size_t(n) * sizeof(Cell));
}

// Gives the whole pages between `begin` and `end`, which hold no cell, back
// to the system; they read as zeros if touched again.
void releaseRoom(Cell *begin, Cell *end) noexcept
{
    const auto page = std::uintptr_t(sysconf(_SC_PAGESIZE));
    const std::uintptr_t first = (reinterpret_cast<std::uintptr_t>(begin) + page - 1) & ~(page - 1);
    const std::uintptr_t last = reinterpret_cast<std::uintptr_t>(end) & ~(page - 1);
    if (last > first)
        madvise(reinterpret_cast<void *>(first), last - first, MADV_DONTNEED);
}

void retagCells(Cell *cells, int n, int col, int firstRow) noexcept
{
    for (int i = 0; i < n; ++i)
        cells[i].setTag(col, firstRow + i);
}

// Builds `n` default cells at `to`, tagged (col, firstRow ...).
void constructCells(Cell *to, int n, int col, int firstRow)
{
    for (int i = 0; i < n; ++i)
        (new (to + i) Cell())->setTag(col, firstRow + i);
}

// Moves `n` cells as bytes into the slots at `to` (see shiftCells) and
// tags them (col, firstRow ...).
void relocate(Cell *from, Cell *to, int n, int col, int firstRow) noexcept
{
    shiftCells(from, to, n);
    retagCells(to, n, col, firstRow);
}

void destroyCells(Cell *cells, int n) noexcept
{
    for (int i = 0; i < n; ++i)
        cells[i].~Cell();
}

// The room to take when `needed` lines no longer fit in `room`: half as
// much again, so that lines added one at a time move the cells only now
// and then, but never less than asked.
std::size_t grownRoom(std::size_t room, std::size_t needed)
{
    return std::max(needed, room + room / 2);
}

} // namespace

std::uint64_t CellMatrix::nextStamp() noexcept
{
    static std::atomic<std::uint64_t> counter{0};
    return ++counter;
}

CellMatrix::CellMatrix(const CellMatrix &other) : m_cols(other.m_cols), m_rows(other.m_rows)
{
    if (std::size_t(m_cols) * std::size_t(m_rows) == 0)
        return;
    m_slots = allocateSlots(std::size_t(m_cols) * std::size_t(m_rows));
    m_colRoom = std::size_t(m_cols);
    m_rowRoom = std::size_t(m_rows);
    int built = 0;
    try {
        for (int c = 0; c < m_cols; ++c)
            for (int r = 0; r < m_rows; ++r, ++built)
                new (m_slots + slot(c, r)) Cell(other.at(c, r));
    } catch (...) {
        for (int i = 0; i < built; ++i)
            m_slots[i].~Cell();
        freeSlots(m_slots, m_colRoom * m_rowRoom);
        throw;
    }
}

CellMatrix &CellMatrix::operator=(const CellMatrix &other)
{
    if (this != &other) {
        CellMatrix copy(other);
        swap(copy);
    }
    m_stamp = nextStamp();
    return *this;
}

CellMatrix::CellMatrix(CellMatrix &&other) noexcept
    : m_slots(std::exchange(other.m_slots, nullptr)), m_cols(std::exchange(other.m_cols, 0)),
      m_rows(std::exchange(other.m_rows, 0)), m_colRoom(std::exchange(other.m_colRoom, 0)),
      m_rowRoom(std::exchange(other.m_rowRoom, 0)), m_stamp(other.m_stamp)
{
    other.m_stamp = nextStamp();
}

CellMatrix &CellMatrix::operator=(CellMatrix &&other) noexcept
{
    if (this != &other) {
        release();
        m_slots = std::exchange(other.m_slots, nullptr);
        m_cols = std::exchange(other.m_cols, 0);
        m_rows = std::exchange(other.m_rows, 0);
        m_colRoom = std::exchange(other.m_colRoom, 0);
        m_rowRoom = std::exchange(other.m_rowRoom, 0);
        m_stamp = other.m_stamp;
        other.m_stamp = nextStamp();
    }
    return *this;
}

CellMatrix::~CellMatrix()
{
    release();
}

void CellMatrix::release() noexcept
{
    for (int c = 0; c < m_cols && m_slots; ++c)
        destroyCells(m_slots + slot(c, 0), m_rows);
    freeSlots(m_slots, m_colRoom * m_rowRoom);
    m_slots = nullptr;
    m_colRoom = m_rowRoom = 0;
}

void CellMatrix::swap(CellMatrix &other) noexcept
{
    std::swap(m_slots, other.m_slots);
    std::swap(m_cols, other.m_cols);
    std::swap(m_rows, other.m_rows);
    std::swap(m_colRoom, other.m_colRoom);
    std::swap(m_rowRoom, other.m_rowRoom);
    m_stamp = nextStamp();
    other.m_stamp = nextStamp();
}

void CellMatrix::clear()
{
    release();
    m_cols = m_rows = 0;
    m_stamp = nextStamp();
}

CellMatrix CellMatrix::create(int cols, int rows)
{
    CellMatrix m;
    m.m_cols = std::max(cols, 0);
    m.m_rows = std::max(rows, 0);
    const std::size_t cells = std::size_t(m.m_cols) * std::size_t(m.m_rows);
    if (cells == 0)
        return m;
    // A new report's block is written whole right away: its pages are made
    // in one call instead of one fault every 50 cells.
    m.m_slots = allocateSlots(cells, true);
    m.m_colRoom = std::size_t(m.m_cols);
    m.m_rowRoom = std::size_t(m.m_rows);
    // One pass, column after column: each page of the new block is written
    // once, in order.
    for (int c = 0; c < m.m_cols; ++c)
        constructCells(m.m_slots + m.slot(c, 0), m.m_rows, c, 0);
    return m;
}

void CellMatrix::markBlock(int left, int top, int right, int bottom)
{
    const BlockBounds bounds{left, top, right, bottom};
    for (int c = left; c <= right; ++c)
        for (int r = top; r <= bottom; ++r)
            at(c, r).setMerge(c == left && r == top ? MergeSign::Master : MergeSign::Covered, bounds);
}

std::int64_t CellMatrix::cellsWrittenByInsert(bool columns, int count) const
{
    const std::int64_t cols = std::int64_t(m_cols) + (columns ? count : 0);
    const std::int64_t rows = std::int64_t(m_rows) + (columns ? 0 : count);
    const std::int64_t added = std::int64_t(count) * (columns ? m_rows : m_cols);
    if (cols * rows == 0)
        return 0;
    const bool fits = m_slots && std::uint64_t(cols) <= m_colRoom && std::uint64_t(rows) <= m_rowRoom;
    return fits ? added : cols * rows;
}

void CellMatrix::regrow(std::size_t colRoom, std::size_t rowRoom, bool columns, int at, int count)
{
    const int cols = columns ? m_cols + count : m_cols;
    const int rows = columns ? m_rows : m_rows + count;
    const std::size_t exactCols = std::size_t(cols);
    const std::size_t exactRows = std::size_t(rows);
    // A mapped block grows where it is: the cells keep their offsets, and
    // each moves once more, to its new place, which never lies before its
    // old one: the last column first, and in each column the cells after
    // `at` first. The room between columns that held moved cells is given
    // back to the system as the move goes, so the block holds at most the
    // old cells and the room gained, and in the end just the grown matrix.
    const auto growInPlace = [&](std::size_t newColRoom, std::size_t newRowRoom) {
        if (!m_slots || std::size_t(m_cols) > m_colRoom || newColRoom < m_colRoom || newRowRoom < m_rowRoom)
            return false;
        Cell *block = remapSlots(m_slots, m_colRoom * m_rowRoom, newColRoom * newRowRoom);
        if (!block)
            return false;
        const std::size_t oldRowRoom = m_rowRoom;
        if (columns) {
            for (int c = m_cols - 1; c >= at; --c) {
                Cell *to = block + std::size_t(c + count) * newRowRoom;
                shiftCells(block + std::size_t(c) * oldRowRoom, to, m_rows);
                retagCells(to, m_rows, c + count, 0);
            }
            for (int c = at; c < at + count; ++c)
                constructCells(block + std::size_t(c) * newRowRoom, m_rows, c, 0);
        } else {
            for (int c = m_cols - 1; c >= 0; --c) {
                Cell *from = block + std::size_t(c) * oldRowRoom;
                Cell *to = block + std::size_t(c) * newRowRoom;
                shiftCells(from + at, to + at + count, m_rows - at);
                retagCells(to + at + count, m_rows - at, c, at + count);
                shiftCells(from, to, at);
                constructCells(to + at, count, c, at);
                releaseRoom(to + rows, block + std::size_t(c + 1) * newRowRoom);
            }
        }
        m_slots = block;
        m_cols = cols;
        m_rows = rows;
        m_colRoom = newColRoom;
        m_rowRoom = newRowRoom;
        return true;
    };
    if (growInPlace(columns ? colRoom : m_colRoom, columns ? m_rowRoom : rowRoom) ||
        growInPlace(columns ? exactCols : m_colRoom, columns ? m_rowRoom : exactRows))
        return;

    Cell *fresh = nullptr;
    try {
        fresh = allocateSlots(colRoom * rowRoom);
    } catch (const std::bad_alloc &) {
        // The spare room is a wish: take just what the cells need.
        colRoom = exactCols;
        rowRoom = exactRows;
        fresh = allocateSlots(colRoom * rowRoom);
    }
    // From here on nothing can fail: every cell moves once, to its place.
    for (int c = 0; c < cols; ++c) {
        Cell *to = fresh + std::size_t(c) * rowRoom;
        if (columns) {
            if (c >= at && c < at + count)
                constructCells(to, rows, c, 0);
            else
                relocate(m_slots + slot(c < at ? c : c - count, 0), to, rows, c, 0);
            continue;
        }
        Cell *from = m_slots + slot(c, 0);
        relocate(from, to, at, c, 0);
        constructCells(to + at, count, c, at);
        relocate(from + at, to + at + count, m_rows - at, c, at + count);
    }
    freeSlots(m_slots, m_colRoom * m_rowRoom);
    m_slots = fresh;
    m_cols = cols;
    m_rows = rows;
    m_colRoom = colRoom;
    m_rowRoom = rowRoom;
}

void CellMatrix::insertColumns(int at, int count)
{
    m_stamp = nextStamp();
    const int cols = m_cols + count;
    if (m_rows == 0) {
        m_cols = cols; // no cell to hold yet
        return;
    }
    if (!m_slots || std::size_t(cols) > m_colRoom || std::size_t(m_rows) > m_rowRoom) {
        regrow(grownRoom(m_colRoom, std::size_t(cols)), std::max(m_rowRoom, std::size_t(m_rows)), true, at,
               count);
        return;
    }
    // Room enough: the columns after `at` move right, last first.
    for (int c = m_cols - 1; c >= at; --c)
        relocate(m_slots + slot(c, 0), m_slots + slot(c + count, 0), m_rows, c + count, 0);
    for (int c = at; c < at + count; ++c)
        constructCells(m_slots + slot(c, 0), m_rows, c, 0);
    m_cols = cols;
}

void CellMatrix::removeColumns(int at, int count)
{
    m_stamp = nextStamp();
    for (int c = at; c < at + count; ++c)
        destroyCells(m_slots + slot(c, 0), m_rows);
    for (int c = at + count; c < m_cols; ++c)
        relocate(m_slots + slot(c, 0), m_slots + slot(c - count, 0), m_rows, c - count, 0);
    m_cols -= count;
}

void CellMatrix::insertRows(int at, int count)
{
    m_stamp = nextStamp();
    const int rows = m_rows + count;
    if (m_cols == 0) {
        m_rows = rows; // no cell to hold yet
        return;
    }
    if (!m_slots || std::size_t(rows) > m_rowRoom || std::size_t(m_cols) > m_colRoom) {
        regrow(std::max(m_colRoom, std::size_t(m_cols)), grownRoom(m_rowRoom, std::size_t(rows)), false, at,
               count);
        return;
    }
    // Room enough: in each column the rows after `at` move down, last first.
    for (int c = 0; c < m_cols; ++c) {
        Cell *column = m_slots + slot(c, 0);
        relocate(column + at, column + at + count, m_rows - at, c, at + count);
        constructCells(column + at, count, c, at);
    }
    m_rows = rows;
}

void CellMatrix::removeRows(int at, int count)
{
    m_stamp = nextStamp();
    for (int c = 0; c < m_cols; ++c) {
        Cell *column = m_slots + slot(c, 0);
        destroyCells(column + at, count);
        relocate(column + at + count, column + at, m_rows - at - count, c, at);
    }
    m_rows -= count;
}

} // namespace cellvex
