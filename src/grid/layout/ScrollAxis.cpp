#include "ScrollAxis.h"

#include <algorithm>

namespace cellvex {

int ScrollAxis::limit() const
{
    return std::max(1, m_ruler.poleCount() - m_ruler.lastCount() + 1);
}

bool ScrollAxis::setPosition(std::int64_t v)
{
    // The bar keeps its own range first; the change handler then refuses the
    // positions past the one at which the last poles just fit.
    // Like the bar, a put of the position it already has changes nothing.
    v = std::clamp<std::int64_t>(v, minimum(), maximum());
    if (v == position())
        return false;
    v = std::min<std::int64_t>(v, limit());
    if (v == position())
        return false;
    m_ruler.setDisplayIndex(int(v) - 1);
    if (m_listener) {
        m_listener->viewMoved();
        // Raised last: the host may scroll again from inside its handler.
        m_listener->firstPoleChanged(m_ruler.orientation(), position());
    }
    return true;
}

} // namespace cellvex
