#include "chart/ChartPalette.h"

namespace cellvex {

QColor ChartPalette::color(int index)
{
    static const QRgb colors[size()] = {
        0x4E79A7, // blue
        0xF28E2B, // orange
        0x59A14F, // green
        0xE15759, // red
        0x76B7B2, // teal
        0xEDC948, // yellow
        0xB07AA1, // purple
        0xFF9DA7, // pink
        0x9C755F, // brown
        0x79706E, // grey
    };
    const int i = ((index % size()) + size()) % size();
    return QColor::fromRgb(colors[i]);
}

} // namespace cellvex
