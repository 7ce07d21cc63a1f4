#include "script/vbscript/RefCounted.h"

#include <vector>

namespace cellvex::vbs {

namespace {
thread_local int t_disposing = 0;
thread_local std::vector<RefCounted *> t_pending;
} // namespace

void RefCounted::release() noexcept
{
    if (--m_refs != 0) {
        return;
    }
    if (t_disposing > 0) {
        t_pending.push_back(this);
        return;
    }
    ++t_disposing;
    lastReleased();
    while (!t_pending.empty()) {
        RefCounted *next = t_pending.back();
        t_pending.pop_back();
        next->lastReleased();
    }
    --t_disposing;
}

} // namespace cellvex::vbs
