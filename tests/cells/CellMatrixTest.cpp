#include "cells/CellMatrix.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace cellvex;

TEST(CellMatrixBlock, MarksMasterCoveredAndBoundsInEveryCell)
{
    CellMatrix m = CellMatrix::create(5, 4);
    m.markBlock(1, 1, 3, 2);
    for (int c = 0; c < 5; ++c)
        for (int r = 0; r < 4; ++r) {
            const Cell &cell = m.at(c, r);
            const bool inside = c >= 1 && c <= 3 && r >= 1 && r <= 2;
            const MergeSign want = !inside            ? MergeSign::None
                                   : c == 1 && r == 1 ? MergeSign::Master
                                                      : MergeSign::Covered;
            EXPECT_EQ(cell.sign(), want) << c << "," << r;
            if (!inside)
                continue;
            const BlockBounds b = cell.block();
            EXPECT_EQ(b.left, 1);
            EXPECT_EQ(b.top, 1);
            EXPECT_EQ(b.right, 3);
            EXPECT_EQ(b.bottom, 2);
        }
}

TEST(CellMatrixBlock, ASingleRowOrColumnIsABlockToo)
{
    struct Case
    {
        int left, top, right, bottom;
    } cases[] = {{0, 2, 3, 2}, {2, 0, 2, 3}};
    for (const Case &k : cases) {
        CellMatrix m = CellMatrix::create(4, 4);
        m.markBlock(k.left, k.top, k.right, k.bottom);
        EXPECT_EQ(m.at(k.left, k.top).sign(), MergeSign::Master);
        EXPECT_EQ(m.at(k.right, k.bottom).sign(), MergeSign::Covered);
        EXPECT_EQ(m.at(k.right, k.bottom).block().left, k.left);
        EXPECT_EQ(m.at(k.right, k.bottom).block().top, k.top);
    }
}

namespace {

// The matrix as plain columns of (caption, alias): what every edit must agree with.
using Entry = std::pair<QString, QString>;
using Model = std::vector<std::vector<Entry>>;

struct LineEdit
{
    bool columns;
    bool insert;
    int at;
    int count;
};

void apply(Model &model, int rows, const LineEdit &e)
{
    if (e.columns) {
        if (e.insert)
            model.insert(model.begin() + e.at, size_t(e.count), std::vector<Entry>(size_t(rows)));
        else
            model.erase(model.begin() + e.at, model.begin() + e.at + e.count);
        return;
    }
    for (auto &column : model)
        if (e.insert)
            column.insert(column.begin() + e.at, size_t(e.count), Entry());
        else
            column.erase(column.begin() + e.at, column.begin() + e.at + e.count);
}

void apply(CellMatrix &m, const LineEdit &e)
{
    if (e.columns)
        e.insert ? m.insertColumns(e.at, e.count) : m.removeColumns(e.at, e.count);
    else
        e.insert ? m.insertRows(e.at, e.count) : m.removeRows(e.at, e.count);
}

// Gives every cell without a caption one naming where it was made, and an
// alias on some, so that each cell can be followed through the moves.
void label(CellMatrix &m, Model &model, int step)
{
    for (int c = 0; c < m.colCount(); ++c)
        for (int r = 0; r < m.rowCount(); ++r)
            if (Entry &entry = model[size_t(c)][size_t(r)]; entry.first.isEmpty()) {
                entry.first = QStringLiteral("%1:%2,%3").arg(step).arg(c).arg(r);
                m.at(c, r).storeCaption(entry.first);
                if ((c + r) % 3 == 0) {
                    entry.second = QStringLiteral("别名%1_%2_%3").arg(step).arg(c).arg(r);
                    m.at(c, r).storeAlias(entry.second);
                }
            }
}

void expectSame(const CellMatrix &m, const Model &model, int step)
{
    ASSERT_EQ(m.colCount(), int(model.size())) << "step " << step;
    for (int c = 0; c < m.colCount(); ++c) {
        ASSERT_EQ(m.rowCount(), int(model[size_t(c)].size())) << "step " << step;
        for (int r = 0; r < m.rowCount(); ++r) {
            const Cell &cell = m.at(c, r);
            const Entry &want = model[size_t(c)][size_t(r)];
            ASSERT_EQ(cell.caption(), want.first) << "step " << step << " cell " << c << "," << r;
            ASSERT_EQ(cell.aliasName(), want.second) << "step " << step << " cell " << c << "," << r;
            ASSERT_EQ(cell.tagX(), c);
            ASSERT_EQ(cell.tagY(), r);
        }
    }
}

} // namespace

// Runs of inserts and deletes, each followed through a plain model: one at a
// time (growing room step by step, then inside the room), in blocks larger
// than the matrix, at the front, middle and end, and after deletes.
TEST(CellMatrixLines, InsertsAndDeletesKeepEveryCellInItsPlace)
{
    struct Case
    {
        const char *name;
        int cols, rows;
        std::vector<LineEdit> edits;
    };
    const Case cases[] = {
        {"rows one at a time at the end",
         3,
         2,
         {{false, true, 2, 1},
          {false, true, 3, 1},
          {false, true, 4, 1},
          {false, true, 5, 1},
          {false, true, 6, 1}}},
        {"columns one at a time at the end",
         2,
         3,
         {{true, true, 2, 1},
          {true, true, 3, 1},
          {true, true, 4, 1},
          {true, true, 5, 1},
          {true, true, 6, 1}}},
        {"many rows appended to few", 4, 2, {{false, true, 2, 50}, {false, true, 0, 1}}},
        {"many columns appended to few", 2, 4, {{true, true, 2, 50}, {true, true, 1, 1}}},
        {"rows at front and middle",
         3,
         4,
         {{false, true, 0, 2}, {false, true, 3, 1}, {false, true, 3, 3}, {false, true, 1, 1}}},
        {"columns at front and middle",
         4,
         3,
         {{true, true, 0, 2}, {true, true, 3, 1}, {true, true, 3, 3}, {true, true, 1, 1}}},
        {"deletes then inserts into the freed room",
         6,
         6,
         {{false, false, 1, 2},
          {true, false, 0, 3},
          {false, true, 2, 2},
          {true, true, 3, 3},
          {false, false, 3, 3},
          {false, true, 3, 5}}},
        {"mixed after growth",
         2,
         2,
         {{false, true, 1, 3},
          {true, true, 1, 3},
          {false, true, 2, 1},
          {true, true, 0, 1},
          {false, false, 0, 2},
          {true, false, 2, 2},
          {true, true, 4, 2},
          {false, true, 0, 4}}},
        {"rows into a matrix without rows", 3, 0, {{false, true, 0, 2}, {false, true, 1, 1}}},
        {"columns into a matrix without columns", 0, 3, {{true, true, 0, 2}, {true, true, 2, 1}}},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.name);
        CellMatrix m = CellMatrix::create(k.cols, k.rows);
        Model model(size_t(k.cols), std::vector<Entry>(size_t(k.rows)));
        label(m, model, 0);
        expectSame(m, model, 0);
        int step = 0;
        for (const LineEdit &e : k.edits) {
            ++step;
            const std::uint64_t stamp = m.layoutStamp();
            apply(model, m.rowCount(), e);
            apply(m, e);
            EXPECT_NE(m.layoutStamp(), stamp) << "step " << step;
            expectSame(m, model, step);
            label(m, model, step);
            expectSame(m, model, step);
        }
        // A copy holds the same cells; the original is untouched by it.
        const CellMatrix copy = m;
        expectSame(copy, model, step);
        EXPECT_NE(copy.layoutStamp(), m.layoutStamp());
        CellMatrix moved = std::move(m);
        expectSame(moved, model, step);
    }
}

// What the memory check is told an insert writes: only the new cells while
// there is room, every cell when they must move to a larger block.
TEST(CellMatrixLines, CellsWrittenByInsertCountsAMoveOfAllCells)
{
    CellMatrix m = CellMatrix::create(10, 4);
    EXPECT_EQ(m.cellsWrittenByInsert(false, 1), 10 * 5); // no room yet: all move
    EXPECT_EQ(m.cellsWrittenByInsert(true, 2), 12 * 4);
    m.insertRows(4, 1); // takes half as much room again
    EXPECT_EQ(m.cellsWrittenByInsert(false, 1), 10);
    EXPECT_EQ(m.cellsWrittenByInsert(false, 100), 10 * 105);
    const CellMatrix none = CellMatrix::create(0, 4);
    EXPECT_EQ(none.cellsWrittenByInsert(false, 3), 0);
}

// Matrices of many megabytes grow where their block lies: every cell must
// still be found in its place, with its tag, through row and column inserts
// that need more room and ones that fit.
TEST(CellMatrixLines, LargeMatricesKeepTheirCellsThroughGrowth)
{
    const int cols = 1100, rows = 800; // some 70 MB of cells
    CellMatrix m = CellMatrix::create(cols, rows);
    std::vector<std::pair<int, int>> marked; // original positions of labelled cells
    for (int c = 0; c < cols; c += 37)
        for (int r = c % 11; r < rows; r += 53) {
            m.at(c, r).storeCaption(QStringLiteral("%1,%2").arg(c).arg(r));
            marked.emplace_back(c, r);
        }
    struct Step
    {
        bool columns;
        int at, count;
    };
    const Step steps[] = {{false, 400, 3}, {false, 803, 2}, {true, 500, 2}, {true, 1102, 5}, {false, 0, 1}};
    std::vector<int> colShift(size_t(cols), 0), rowShift(size_t(rows), 0);
    int nowCols = cols, nowRows = rows;
    for (const Step &s : steps) {
        if (s.columns) {
            m.insertColumns(s.at, s.count);
            nowCols += s.count;
        } else {
            m.insertRows(s.at, s.count);
            nowRows += s.count;
        }
        // Where each original line stands now.
        auto &shift = s.columns ? colShift : rowShift;
        for (size_t i = 0; i < shift.size(); ++i)
            if (int(i) + shift[i] >= s.at)
                shift[i] += s.count;
        ASSERT_EQ(m.colCount(), nowCols);
        ASSERT_EQ(m.rowCount(), nowRows);
        for (int c = 0; c < nowCols; ++c)
            for (int r = 0; r < nowRows; ++r)
                if (m.at(c, r).tagX() != c || m.at(c, r).tagY() != r)
                    FAIL() << "tag of " << c << "," << r;
        for (auto [c, r] : marked) {
            const Cell &cell = m.at(c + colShift[size_t(c)], r + rowShift[size_t(r)]);
            ASSERT_EQ(cell.caption(), QStringLiteral("%1,%2").arg(c).arg(r));
        }
        int labelled = 0;
        m.forEach([&](const Cell &cell) { labelled += cell.caption().isEmpty() ? 0 : 1; });
        ASSERT_EQ(labelled, int(marked.size()));
    }
}
