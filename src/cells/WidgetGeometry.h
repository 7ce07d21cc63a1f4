#pragma once

#include "cells/Cell.h"

#include <QPoint>
#include <QRect>

#include <vector>

namespace cellvex {

// A cell's size and border widths: W, H, L, T, R, B. The widget rectangles
// below are in cell coordinates (0, 0 is the cell's top-left corner).
struct CellFrame
{
    int width = 0;
    int height = 0;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

CellFrame cellFrame(const Cell &cell, int width, int height);

// Width of the drop button strip at the right end of a drop-down cell.
constexpr int kDropButtonWidth = 14;
// Side of the check box glyph drawn at the left of the check box area.
constexpr int kCheckGlyphSize = 13;

// The check box fills the cell inside its borders. Empty when the borders
// leave no room, so that nothing is drawn or hit there.
QRect checkBoxRect(const CellFrame &f);

// The glyph (the small box with its mark) at the left of the check box
// area, vertically centred; in a cell lower than the glyph it reaches past
// the area, and drawing clips it there.
QRect checkGlyphRect(const CellFrame &f);

// The drop button: 14 pixels wide at the right end inside the borders, as
// high as the room between the top and bottom borders.
QRect dropButtonRect(const CellFrame &f);

// The arrow image inside the drop button, one pixel in from each side; it
// is the part of the drop button that takes clicks.
QRect dropArrowImageRect(const CellFrame &f);

// The four rows of the downward arrow (7, 5, 3 and 1 pixels wide) in cell
// coordinates, clipped to the arrow image; rows outside it are left out.
std::vector<QRect> dropArrowRows(const CellFrame &f);

// The button face covers the whole cell, borders included.
QRect buttonFaceRect(const CellFrame &f);

// Which widget of the cell lies under a point; mouse handling uses it to
// decide between a click on the cell and a click on its widget.
enum class CellWidgetPart { None, CheckBox, DropButton, ButtonFace };
CellWidgetPart widgetAt(const Cell &cell, const CellFrame &f, QPoint p);

} // namespace cellvex
