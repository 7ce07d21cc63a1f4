#include "cells/CellMatrix.h"

#include <gtest/gtest.h>

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
