#pragma once

#include "rulers/RulerModel.h"

#include <QString>

namespace cellvex {

// The text of the hint shown while a pole is resized: the pole's range in
// pixels and in millimetres at 96 pixels per inch (whatever the screen's
// real resolution), e.g. "宽度：80像素  21.2毫米" on a column ruler.
QString sizeHintText(Orientation orientation, int rangePixels);

// The millimetres of `pixels` at 96 pixels per inch as the number pattern
// "0.0" shows them: one decimal, halves rounded away from zero.
QString pixelsToMillimetreText(int pixels);

} // namespace cellvex
