#pragma once

#include "automation/HResult.h"
#include "automation/Variant.h"

#include <ostream>

namespace cellvex::automation {

// Readable failure messages: GoogleTest finds these through argument-
// dependent lookup.
inline void PrintTo(const Variant &value, std::ostream *os)
{
    switch (value.type()) {
    case VarType::Empty:
        *os << "Empty";
        return;
    case VarType::Long:
        *os << "Long(" << value.asLong() << ')';
        return;
    case VarType::Short:
        *os << "Short(" << value.asShort() << ')';
        return;
    case VarType::Boolean:
        *os << "Bool(" << (value.asBool() ? "true" : "false") << ')';
        return;
    case VarType::Double:
        *os << "Double(" << value.asDouble() << ')';
        return;
    case VarType::String:
        *os << "String(\"" << value.asString().toStdString() << "\")";
        return;
    case VarType::Color:
        *os << "Color(0x" << std::hex << value.asColor() << std::dec << ')';
        return;
    case VarType::Object:
        *os << "Object(" << static_cast<const void *>(value.asObject()) << ')';
        return;
    }
}

} // namespace cellvex::automation
