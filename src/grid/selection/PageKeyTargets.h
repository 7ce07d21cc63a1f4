#pragma once

#include "SelectionHost.h"

#include <QPoint>

namespace cellvex {

class Report;

enum class PageKey { PageUp, PageDown, Home, End };

// The cell a page key moves to, by the page bands of the pagination: the
// first cell of a page (its block's master when covered), (0, 0), or the
// input cell itself when the key has nowhere else to go. (-1, -1) when
// there are no bands (a report without columns or rows) or the bands name a
// cell the report does not hold; the key then changes nothing.
QPoint pageKeyTarget(const Report &report, PageKey key, const PageBands &bands);

} // namespace cellvex
