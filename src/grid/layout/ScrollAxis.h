#pragma once

#include "grid/layout/LayoutListener.h"
#include "rulers/RulerModel.h"

#include <cstdint>

namespace cellvex {

// One scroll bar of the grid and the ruler it drives, without the widget.
//
// The bar's position is the 1-based index of the first displayed pole. It is
// read from the ruler (DisplayIndex + 1) rather than stored beside it, so the
// two can never disagree, also after a report is replaced. The range and steps
// follow the ruler's DisplayCount d: maximum = pole count (1 when none), page
// size d and large step d - 1 when d >= 2, else 1 and 1; small step 1.
class ScrollAxis
{
public:
    explicit ScrollAxis(RulerModel &ruler) : m_ruler(ruler) {}

    RulerModel &ruler() { return m_ruler; }
    const RulerModel &ruler() const { return m_ruler; }

    int position() const { return m_ruler.displayIndex() + 1; }
    static constexpr int minimum() { return 1; }
    int maximum() const { return m_ruler.poleCount() > 0 ? m_ruler.poleCount() : 1; }
    int pageSize() const { return m_ruler.displayCount() >= 2 ? m_ruler.displayCount() : 1; }
    int largeStep() const { return m_ruler.displayCount() >= 2 ? m_ruler.displayCount() - 1 : 1; }
    static constexpr int smallStep() { return 1; }
    // The position at which the trailing poles just fit: no position beyond it
    // is ever shown, so the grid never ends in empty space it could fill.
    int limit() const;

    // Sets the bar's position as the bar and its change handler do: limited to
    // minimum ... maximum, then to limit(); when that is the current position
    // nothing happens. Otherwise the ruler scrolls and the listener hears
    // viewMoved, then firstPoleChanged with the new position. Returns true when it moved.
    bool setPosition(std::int64_t v);
    bool stepBy(std::int64_t delta) { return setPosition(std::int64_t(position()) + delta); }
    bool pageForward() { return stepBy(largeStep()); }
    bool pageBack() { return stepBy(-largeStep()); }

    void setListener(LayoutListener *listener) { m_listener = listener; }

private:
    RulerModel &m_ruler;
    LayoutListener *m_listener = nullptr;
};

} // namespace cellvex
