#pragma once

#include "cells/Cell.h"
#include "report/Report.h"
#include "rulers/RulerModel.h"

namespace cellvex {

// The orientation of a structure edit. Inserting and deleting columns and
// rows are mirror images: a pole is a column (Horizontal) or a row
// (Vertical), as on the rulers; "cross" indexes the cells along one pole.
// Block bounds read the same way: lo/hi are the block's first and last pole,
// crossLo/crossHi its extent along the poles.
class PoleAxis
{
public:
    explicit PoleAxis(Orientation o) : m_columns(o == Orientation::Horizontal) {}

    bool columns() const { return m_columns; }
    RulerModel &ruler(Report &r) const { return m_columns ? r.colRuler() : r.rowRuler(); }
    int poleCount(const Report &r) const { return m_columns ? r.colCount() : r.rowCount(); }
    int crossCount(const Report &r) const { return m_columns ? r.rowCount() : r.colCount(); }
    Cell *cell(Report &r, int pole, int cross) const
    {
        return m_columns ? r.cell(pole, cross) : r.cell(cross, pole);
    }

    int lo(const BlockBounds &b) const { return m_columns ? b.left : b.top; }
    int hi(const BlockBounds &b) const { return m_columns ? b.right : b.bottom; }
    int crossLo(const BlockBounds &b) const { return m_columns ? b.top : b.left; }
    int crossHi(const BlockBounds &b) const { return m_columns ? b.bottom : b.right; }
    void setSpan(BlockBounds &b, int lo, int hi) const
    {
        (m_columns ? b.left : b.top) = lo;
        (m_columns ? b.right : b.bottom) = hi;
    }

private:
    bool m_columns;
};

} // namespace cellvex
