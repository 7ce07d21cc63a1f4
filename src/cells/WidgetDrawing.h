#pragma once

#include "cells/Cell.h"
#include "cells/FontTable.h"
#include "cells/WidgetGeometry.h"

#include <QImage>

class QPainter;

namespace cellvex {

// Draws the cell's widget, if it has one, in cell coordinates: the check box
// inside the borders, the drop button at the right end inside the borders, or
// the button face over the whole cell. `pressed` shows the drop button or
// face lowered while the mouse holds it down.
void paintCellWidget(QPainter &p, const Cell &cell, const CellFrame &frame, ColorRef displayedColor,
                     const FontTable &fonts, bool pressed = false);

// The check box area drawn on its own, as printing wants it: an image of the
// area's size with the cell's own background colour, not the selection
// colour. Null when the area is empty or the cell has no check box.
QImage checkBoxImage(const Cell &cell, int width, int height, const FontTable &fonts);

} // namespace cellvex
