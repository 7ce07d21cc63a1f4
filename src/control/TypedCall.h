#pragma once

#include "automation/HResult.h"
#include "automation/TableMacros.h"
#include "control/VariantMarshal.h"

#include <type_traits>
#include <vector>

namespace cellvex {

// One typed vtable argument on its way into a late-bound call and back.
template <automation::ArgType T, automation::Direction D, typename P> struct TypedArg
{
    P p;
};

template <automation::ArgType T, automation::Direction D, typename P> auto wrapArg(P &&p)
{
    return TypedArg<T, D, std::decay_t<P>>{std::forward<P>(p)};
}

template <automation::ArgType T, automation::Direction D, typename P>
automation::Variant packArg(const TypedArg<T, D, P> &a)
{
    if constexpr (D == automation::Direction::In)
        return packValue<T>(a.p);
    else if constexpr (D == automation::Direction::Out)
        return automation::Variant();
    else
        return a.p ? packValue<T>(*a.p) : automation::Variant();
}

template <automation::ArgType T, automation::Direction D, typename P>
void unpackArg(const TypedArg<T, D, P> &a, const automation::Variant &v)
{
    if constexpr (D != automation::Direction::In)
        unpackValue<T>(v, a.p);
}

// Packs the typed arguments, runs the row through `dispatch` and writes the
// out arguments and the result back through their pointers.
template <automation::ArgType R, typename Dispatch, typename ResultPtr, typename... Args>
automation::HResult callTyped(Dispatch &&dispatch, ResultPtr result, const Args &...typedArgs)
{
    std::vector<automation::Variant> args;
    args.reserve(sizeof...(Args));
    (args.push_back(packArg(typedArgs)), ...);
    automation::Variant r;
    const automation::HResult hr = dispatch(args, &r);
    size_t k = 0;
    (unpackArg(typedArgs, args[k++]), ...);
    (void)k;
    if constexpr (R != automation::ArgType::Void)
        unpackValue<R>(r, result);
    else
        (void)result;
    return hr;
}

} // namespace cellvex

// A row's arguments as a call passes them on: ", wrapped arguments..." or
// nothing for a row without arguments (see TableMacros.h).
#define CELLVEX_WRAP(direction, type, name, empty)                                                           \
    ::cellvex::wrapArg<::cellvex::automation::ArgType::type, ::cellvex::automation::Direction::direction>(   \
        name)
#define CELLVEX_WRAPPED_ARGS(args) CELLVEX_WRAPPED_ARGS_EXPANDED(CELLVEX_UNPAREN args)
#define CELLVEX_WRAPPED_ARGS_EXPANDED(...) CELLVEX_WRAPPED_ARGS_JOINED(__VA_ARGS__)
#define CELLVEX_WRAPPED_ARGS_JOINED(...) __VA_OPT__(, CELLVEX_FOR_EACH(CELLVEX_WRAP, __VA_ARGS__))
