#pragma once

#include "grid/layout/LayoutListener.h"
#include "rulers/RulerModel.h"

namespace cellvex {

class Report;
class ScrollController;

// Column widths and row heights: SetColWidth / SetRowHeight, the ResizeColumn
// / ResizeRow body other operations share, and applying a resize drag that
// ended on a ruler. The rulers own the geometry and cells are placed from it,
// so a merged block's master follows its columns and rows by itself and a
// cell of a zero-length column or row has no area to draw.
class PoleSizer
{
public:
    // Largest range a column or row may be given. Larger values (as negative
    // ones) are refused: they only come from mistakes and would push the
    // report's extent beyond what painting and printing handle.
    static constexpr int kMaxRange = 32767;

    PoleSizer(Report &report, ScrollController &scroll) : m_report(report), m_scroll(scroll) {}

    // 0-based column; width in pixels including the split handle, 1 for the
    // ruler's default, 0 hides the column. False (nothing happens) for a
    // column outside the report, a refused width, the width it already has,
    // or a width that would make the report wider than a window coordinate.
    bool setColWidth(int col, int width);
    bool setRowHeight(int row, int height);

    // The body of the two above for a final range (no default mapping).
    bool resizePole(Orientation axis, int pole, int newRange);

    // A resize drag on a ruler ended at `pole`, which already has its new
    // range. When the whole-column (whole-row) selection includes that pole,
    // every selected column (row) takes the same range. The report changed.
    void applyResizeDrag(Orientation axis, int pole);

    // Hears the size changes (LayoutListener::beforeResize, geometryChanged).
    void setListener(LayoutListener *listener) { m_listener = listener; }

private:
    RulerModel &ruler(Orientation axis);
    void finishResize(Orientation axis, int firstChanged);

    Report &m_report;
    ScrollController &m_scroll;
    LayoutListener *m_listener = nullptr;
};

} // namespace cellvex
