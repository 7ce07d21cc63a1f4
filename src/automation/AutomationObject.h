#pragma once

namespace cellvex::automation {

// Base of the objects that travel through the interface by reference (the
// standard font object). Lifetime belongs to whoever created it; the
// interface only carries the pointer.
class AutomationObject
{
public:
    virtual ~AutomationObject() = default;
};

} // namespace cellvex::automation
