#pragma once

#include "automation/ICellvex.h"

namespace cellvex::demo {

// The properties the host reads and writes late-bound, by dispatch id, as
// a host built against the control's type information at run time does.
namespace dispid {
constexpr automation::DispId HeaderCount = 58;
constexpr automation::DispId FooterCount = 59;
constexpr automation::DispId PoleVisible = 65;
constexpr automation::DispId Saved = 123;
} // namespace dispid

// Throw HostError when the call fails.
int getIntProperty(automation::ICellvex &control, automation::DispId id);
bool getBoolProperty(automation::ICellvex &control, automation::DispId id);
void putIntProperty(automation::ICellvex &control, automation::DispId id, int value);

} // namespace cellvex::demo
