#include "chart/ChartInk.h"

namespace cellvex {

ChartInk ChartInk::on(const QColor &background)
{
    // An invalid or translucent background shows the white the image starts with.
    const bool dark = background.isValid() && background.alpha() > 127 && background.lightness() < 110;
    if (dark)
        return ChartInk{QColor(0xf0, 0xf0, 0xf0), QColor(0xd0, 0xd0, 0xd0), QColor(0x90, 0x90, 0x90),
                        QColor(0x60, 0x60, 0x60)};
    return ChartInk{QColor(0x20, 0x20, 0x20), QColor(0x40, 0x40, 0x40), QColor(0xb0, 0xb0, 0xb0),
                    QColor(0xe4, 0xe4, 0xe4)};
}

} // namespace cellvex
