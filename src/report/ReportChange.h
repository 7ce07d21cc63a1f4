#pragma once

#include "rulers/RulerModel.h"

namespace cellvex {

// What changed in a report, as the report announces it to its listener: one
// cell, the whole report, or one of the two rulers, with what kind of change.
struct ReportChange
{
    enum Flag : unsigned {
        Value = 1u << 0,      // a caption or another stored value
        Appearance = 1u << 1, // how something looks: fonts, colours, borders, selection, highlight
        Geometry = 1u << 2,   // sizes and positions of columns, rows or cells
        Structure = 1u << 3,  // the matrix was rebuilt or reshaped: held cells and positions are stale
        View = 1u << 4,       // which part of a ruler is in view
    };
    enum class Subject { Cell, Report, ColumnRuler, RowRuler };

    Subject subject = Subject::Report;
    unsigned flags = 0;
    int col = -1; // the cell, for Subject::Cell
    int row = -1;

    static ReportChange cell(int col, int row, unsigned flags) { return {Subject::Cell, flags, col, row}; }
    static ReportChange report(unsigned flags) { return {Subject::Report, flags, -1, -1}; }
    static ReportChange ruler(Orientation o, unsigned flags)
    {
        return {o == Orientation::Horizontal ? Subject::ColumnRuler : Subject::RowRuler, flags, -1, -1};
    }
    bool has(Flag f) const { return (flags & f) != 0; }
};

} // namespace cellvex
