#pragma once

#include "automation/HResult.h"
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

// --- expanding the member table into typed member definitions -------------
// Each argument of a row becomes a tuple (direction, type, name), so that one
// row can be expanded both into a parameter list and into a call.
#define CVX_TUPLE_IN(t, n) (In, t, n)
#define CVX_TUPLE_OUT(t, n, e) (Out, t, n)
#define CVX_TUPLE_INOUT(t, n, e) (InOut, t, n)

#define CVX_FE_0(m)
#define CVX_FE_1(m, a) m a
#define CVX_FE_2(m, a, ...) m a, CVX_FE_1(m, __VA_ARGS__)
#define CVX_FE_3(m, a, ...) m a, CVX_FE_2(m, __VA_ARGS__)
#define CVX_FE_4(m, a, ...) m a, CVX_FE_3(m, __VA_ARGS__)
#define CVX_FE_5(m, a, ...) m a, CVX_FE_4(m, __VA_ARGS__)
#define CVX_FE_6(m, a, ...) m a, CVX_FE_5(m, __VA_ARGS__)
#define CVX_FE_7(m, a, ...) m a, CVX_FE_6(m, __VA_ARGS__)
#define CVX_FE_8(m, a, ...) m a, CVX_FE_7(m, __VA_ARGS__)
#define CVX_FE_PICK(_1, _2, _3, _4, _5, _6, _7, _8, NAME, ...) NAME
#define CVX_FOR_EACH(m, ...)                                                                                 \
    CVX_FE_PICK(__VA_ARGS__ __VA_OPT__(, ) CVX_FE_8, CVX_FE_7, CVX_FE_6, CVX_FE_5, CVX_FE_4, CVX_FE_3,       \
                CVX_FE_2, CVX_FE_1, CVX_FE_0)                                                                \
    (m __VA_OPT__(, ) __VA_ARGS__)

#define CVX_DECL(dir, t, n)                                                                                  \
    ::cellvex::automation::ParamType<::cellvex::automation::ArgType::t,                                      \
                                     ::cellvex::automation::Direction::dir>                                  \
        n
#define CVX_WRAP(dir, t, n)                                                                                  \
    ::cellvex::wrapArg<::cellvex::automation::ArgType::t, ::cellvex::automation::Direction::dir>(n)

// (declarations..., result pointer unless Void)
#define CVX_PARAMS(rt, args) CVX_PARAMS_X(rt, CELLVEX_UNPAREN args)
#define CVX_PARAMS_X(rt, ...) CVX_PARAMS_Y(rt, __VA_ARGS__)
#define CVX_PARAMS_Y(rt, ...) (CVX_FOR_EACH(CVX_DECL, __VA_ARGS__) CVX_RESULT_DECL_##rt(__VA_ARGS__))
#define CVX_COMMA_IF(...) __VA_OPT__(, )
#define CVX_RESULT_DECL(t, ...)                                                                              \
    CVX_COMMA_IF(__VA_ARGS__)                                                                                \
    ::cellvex::automation::ParamType<::cellvex::automation::ArgType::t,                                      \
                                     ::cellvex::automation::Direction::Out>                                  \
        result
#define CVX_RESULT_DECL_Void(...)
#define CVX_RESULT_DECL_Long(...) CVX_RESULT_DECL(Long, __VA_ARGS__)
#define CVX_RESULT_DECL_Short(...) CVX_RESULT_DECL(Short, __VA_ARGS__)
#define CVX_RESULT_DECL_Boolean(...) CVX_RESULT_DECL(Boolean, __VA_ARGS__)
#define CVX_RESULT_DECL_Double(...) CVX_RESULT_DECL(Double, __VA_ARGS__)
#define CVX_RESULT_DECL_String(...) CVX_RESULT_DECL(String, __VA_ARGS__)
#define CVX_RESULT_DECL_OleColor(...) CVX_RESULT_DECL(OleColor, __VA_ARGS__)
#define CVX_RESULT_DECL_Font(...) CVX_RESULT_DECL(Font, __VA_ARGS__)
#define CVX_RESULT_DECL_TxActiveFormBorderStyle(...) CVX_RESULT_DECL(TxActiveFormBorderStyle, __VA_ARGS__)
#define CVX_RESULT_DECL_TxPrintScale(...) CVX_RESULT_DECL(TxPrintScale, __VA_ARGS__)
#define CVX_RESULT_DECL_TxHelpType(...) CVX_RESULT_DECL(TxHelpType, __VA_ARGS__)

// , wrapped arguments... (nothing for a row without arguments)
#define CVX_WRAPS(args) CVX_WRAPS_X(CELLVEX_UNPAREN args)
#define CVX_WRAPS_X(...) CVX_WRAPS_Y(__VA_ARGS__)
#define CVX_WRAPS_Y(...) __VA_OPT__(, CVX_FOR_EACH(CVX_WRAP, __VA_ARGS__))
// The result pointer of a row, or nullptr for a row without result.
#define CVX_RES_Void nullptr
#define CVX_RES_Long result
#define CVX_RES_Short result
#define CVX_RES_Boolean result
#define CVX_RES_Double result
#define CVX_RES_String result
#define CVX_RES_OleColor result
#define CVX_RES_Font result
#define CVX_RES_TxActiveFormBorderStyle result
#define CVX_RES_TxPrintScale result
#define CVX_RES_TxHelpType result
