#include "cells/CellCapacity.h"

#include <gtest/gtest.h>

using namespace cellvex;

TEST(CellCapacity, CountAndMemoryDecide)
{
    const std::int64_t mb = 1 << 20;
    const std::int64_t perCell = bytesPerCell();
    struct Case
    {
        std::int64_t cols, rows, added, available;
        const char *expected; // a piece of the message, or "" when the report can be held
    };
    const Case cases[] = {
        {6, 30, 180, -1, ""},
        {10000, 10000, 100000000, -1, ""},                               // 100 M cells: the count allows them
        {10000, 10000, 100000000, 100000000 * perCell + 10000 * 64, ""}, // and exactly enough memory
        {10000, 10000, 100000000, 100000000 * perCell + 10000 * 64 - 1, "内存不足：10000 列 10000 行"},
        {10000, 10000, 1000, 1000 * perCell + 10000 * 64, ""}, // a few added cells need little
        {40000, 25000, 0, -1, ""},                             // exactly the limit
        {40000, 25001, 0, -1, "超过了 1000000000 个单元格的上限"},
        {100000, 100000, 0, -1, "100000 列 100000 行"},
        {INT64_MAX, 2, 0, -1, "上限"}, // no product wraps
        {3, INT64_MAX / 2, 0, -1, "上限"},
        {-1, 5, 0, -1, "负数"},
        {0, 1000000000000, 0, -1, "上限"}, // one side alone
    };
    for (const Case &c : cases) {
        const QString problem = cellCapacityProblem(c.cols, c.rows, c.added, c.available);
        if (*c.expected == '\0')
            EXPECT_TRUE(problem.isEmpty()) << c.cols << "x" << c.rows << ": " << problem.toStdString();
        else
            EXPECT_TRUE(problem.contains(QString::fromUtf8(c.expected)))
                << c.cols << "x" << c.rows << ": " << problem.toStdString();
    }
    // The memory message names what is needed and what there is.
    EXPECT_EQ(cellCapacityProblem(1000, 1000, 1000000, 10 * mb),
              QStringLiteral("内存不足：1000 列 1000 行的报表需要约 %1 MB，系统只有 10 MB 可用")
                  .arg((1000000 * perCell + 1000 * 64 + mb - 1) / mb));
}
