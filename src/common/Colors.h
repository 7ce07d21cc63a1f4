#pragma once

#include <QColor>
#include <cstdint>

namespace cellvex {

// Colours cross the interface as 0x00BBGGRR. A value with the high byte 0x80
// names a system colour by its index (0x8000000F is the button face) and is
// resolved through the application palette when drawn.
using ColorRef = std::uint32_t;

constexpr ColorRef kButtonFace = 0x8000000F;

bool isSystemColor(ColorRef c);
QColor toQColor(ColorRef c);
ColorRef fromQColor(const QColor &c);

} // namespace cellvex
