#pragma once

#include <QColor>

namespace cellvex {

// The colours series and pie slices get when they have none of their own:
// ten muted hues that stay apart from each other on white and in print,
// repeated for larger indexes.
class ChartPalette
{
public:
    static constexpr int size() { return 10; }
    // Any index, negative ones included, gives a colour.
    static QColor color(int index);
};

} // namespace cellvex
