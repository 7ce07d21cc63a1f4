#pragma once

#include "script/vbscript/Value.h"
#include "script/vbscript/VbsHostObject.h"

namespace cellvex::vbs {

// Values across the host boundary. Script objects other than host objects
// cross as Empty: the host could not use them once the engine is gone.
QVariant toVariant(const Value &v);
Value fromVariant(const QVariant &v);

} // namespace cellvex::vbs
