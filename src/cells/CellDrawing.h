#pragma once

#include "cells/Cell.h"
#include "cells/FontTable.h"
#include "cells/TextLayout.h"

#include <QLine>
#include <QRect>

#include <vector>

class QPainter;

namespace cellvex {

// Lines of a diagonal of the given type inside a W x H cell with border
// widths L, T, R, B; each line stops one pixel short of its end point.
std::vector<QLine> diagonalLines(int type, int W, int H, int L, int T, int R, int B);

// The pixels a line covers, from its start up to but excluding its end.
std::vector<QPoint> linePixels(const QLine &line);

// Layout input for a cell of the given size.
TextLayoutInput textLayoutInput(const Cell &cell, int width, int height);
TextMeasure textMeasure(const FontTable &fonts, std::uint32_t fontId);
TextLayout layoutCell(const Cell &cell, int width, int height, const FontTable &fonts);

// Draws one cell into `rect` (cell coordinates start at rect's top-left),
// back to front: background in the displayed colour, picture layer (picture
// or diagonal), text lines, border strips, then the kind's widget, drawn
// lowered when `widgetPressed` (the mouse holds the face or drop button down).
void paintCell(QPainter &p, const Cell &cell, const QRect &rect, ColorRef displayedColor,
               const FontTable &fonts, bool widgetPressed = false);

} // namespace cellvex
