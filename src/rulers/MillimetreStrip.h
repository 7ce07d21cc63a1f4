#pragma once

#include "rulers/RulerModel.h"

#include <cstdint>

class QPainter;

namespace cellvex {

// Draws a ruler's millimetre scale: ticks every 2 mm, longer ones every 10 mm
// and numbers every 20 mm, into the strip at (0, 0) of the given length and
// thickness. `origin` is the edge of the first displayed pole: marks are
// placed at round(mm / 25.4 * dpi) - origin. Drawing starts at the first
// visible mark, so the cost does not depend on how far the ruler is scrolled.
void drawMillimetreStrip(QPainter &p, Orientation orientation, std::int64_t length, int thickness,
                         std::int64_t origin, double dpi);

// Pixel offset of the mark for m millimetres at the given resolution.
std::int64_t millimetreMark(int mm, double dpi);

} // namespace cellvex
