#include "CellMatrix.h"

namespace cellvex {

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

} // namespace cellvex
