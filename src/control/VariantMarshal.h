#pragma once

#include "automation/AutomationObject.h"
#include "automation/ParamTypes.h"
#include "automation/Variant.h"

namespace cellvex {

// Moves typed vtable arguments into Variants and back, so that a vtable
// call and a late-bound call run through the same member code.
template <automation::ArgType T, typename V> automation::Variant packValue(const V &v)
{
    using automation::ArgType;
    using automation::Variant;
    if constexpr (T == ArgType::Long)
        return Variant::fromLong(v);
    else if constexpr (T == ArgType::Short)
        return Variant::fromShort(v);
    else if constexpr (T == ArgType::Boolean)
        return Variant::fromBool(v);
    else if constexpr (T == ArgType::Double)
        return Variant::fromDouble(v);
    else if constexpr (T == ArgType::String)
        return Variant::fromString(v);
    else if constexpr (T == ArgType::OleColor)
        return Variant::fromColor(v);
    else if constexpr (T == ArgType::Font)
        return Variant::fromObject(v);
    else if constexpr (T == ArgType::FontRef)
        return Variant::fromObject(v ? *v : nullptr);
    else
        return Variant::fromLong(static_cast<std::int32_t>(v)); // enumerations travel as long
}

template <automation::ArgType T, typename V> void unpackValue(const automation::Variant &in, V *out)
{
    using automation::ArgType;
    if (!out)
        return;
    if constexpr (T == ArgType::Long)
        *out = in.asLong();
    else if constexpr (T == ArgType::Short)
        *out = in.asShort();
    else if constexpr (T == ArgType::Boolean)
        *out = in.asBool();
    else if constexpr (T == ArgType::Double)
        *out = in.asDouble();
    else if constexpr (T == ArgType::String)
        *out = in.asString();
    else if constexpr (T == ArgType::OleColor)
        *out = in.type() == automation::VarType::Color ? in.asColor() : automation::OleColor(in.asLong());
    else if constexpr (T == ArgType::Font)
        *out = in.asObject();
    else if constexpr (T == ArgType::FontRef)
        (void)in; // only ever passed in
    else
        *out = static_cast<V>(in.asLong());
}

} // namespace cellvex
