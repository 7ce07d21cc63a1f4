#pragma once

#include "automation/Enumerations.h"
#include "automation/MemberTypes.h"
#include "automation/Variant.h"

#include <QString>

#include <cstdint>
#include <type_traits>

namespace cellvex::automation {

// The C++ type that carries a value of each declared type.
template <ArgType T> struct ValueTypeOf;
template <> struct ValueTypeOf<ArgType::Long>
{
    using type = std::int32_t;
};
template <> struct ValueTypeOf<ArgType::Short>
{
    using type = std::int16_t;
};
template <> struct ValueTypeOf<ArgType::Boolean>
{
    using type = bool;
};
template <> struct ValueTypeOf<ArgType::Double>
{
    using type = double;
};
template <> struct ValueTypeOf<ArgType::String>
{
    using type = QString;
};
template <> struct ValueTypeOf<ArgType::OleColor>
{
    using type = OleColor;
};
template <> struct ValueTypeOf<ArgType::Font>
{
    using type = AutomationObject *;
};
template <> struct ValueTypeOf<ArgType::FontRef>
{
    using type = AutomationObject **;
};
template <> struct ValueTypeOf<ArgType::TxActiveFormBorderStyle>
{
    using type = TxActiveFormBorderStyle;
};
template <> struct ValueTypeOf<ArgType::TxPrintScale>
{
    using type = TxPrintScale;
};
template <> struct ValueTypeOf<ArgType::TxHelpType>
{
    using type = TxHelpType;
};

template <ArgType T> using ValueType = typename ValueTypeOf<T>::type;

// In arguments by value (strings by const reference); out and in/out
// arguments, and the result, through a pointer the member writes.
template <ArgType T, Direction D>
using ParamType = std::conditional_t<D != Direction::In, ValueType<T> *,
                                     std::conditional_t<T == ArgType::String, const QString &, ValueType<T>>>;

} // namespace cellvex::automation
