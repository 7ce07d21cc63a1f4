#include "RulerDrag.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace cellvex {

void RulerDrag::begin(Kind kind, int pole, int faceLength, int splitLength, int pointer)
{
    m_kind = kind;
    m_pole = pole;
    m_start = pointer;
    m_faceLength = std::max(faceLength, 0);
    m_originalLength = m_faceLength;
    m_splitPos = m_faceLength;
    m_splitLength = std::max(splitLength, 0);
    m_total = 0;
}

RulerDrag::Step RulerDrag::move(int pointer)
{
    Step s;
    if (m_kind == Kind::None)
        return s;
    const int old = m_faceLength;
    // Pointer coordinates are window pixels, far from overflowing, but the
    // sums stay in 64 bit so that no input can wrap a length negative.
    const std::int64_t m = std::int64_t(pointer) - m_start;
    if (old <= 0 && m <= 0)
        return s; // a collapsed face only grows again
    const std::int64_t wanted = old + m;
    const int maxFace = std::max(kMaxRange - m_splitLength, std::max(old, 0));
    const int newLength = int(std::clamp<std::int64_t>(wanted, 0, maxFace));
    // The handle follows the far edge but is held at the face's start; the
    // amount it was held back is the correction the edge drag's start needs.
    const std::int64_t correction = wanted < 0 ? -wanted : 0;
    m_splitPos = newLength;
    m_faceLength = newLength;
    m_total += newLength - old;
    // An edge drag measures from the face, which did not move: the pointer
    // becomes the new start. A split drag measures from the handle, which
    // moved along with the pointer, so its start stays.
    if (m_kind == Kind::Edge)
        m_start = int(std::clamp<std::int64_t>(pointer + correction, std::numeric_limits<int>::min() / 2,
                                               std::numeric_limits<int>::max() / 2));
    s.taken = true;
    s.oldLength = old;
    s.newLength = newLength;
    return s;
}

} // namespace cellvex
