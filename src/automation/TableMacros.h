#pragma once

// Expanding Members.def and Events.def. A row hands its arguments as one
// parenthesised list of (direction, type, name, empty) tuples; the macros
// here turn that list into table initialisers, parameter lists and calls.

// CELLVEX_UNPAREN (a, b) -> a, b
#define CELLVEX_UNPAREN(...) __VA_ARGS__

#define CELLVEX_CAT(a, b) CELLVEX_CAT_EXPANDED(a, b)
#define CELLVEX_CAT_EXPANDED(a, b) a##b

// CELLVEX_FOR_EACH(m, (x), (y)) -> m(x), m(y). Eight is the widest row
// (MemberRow::kMaxArgs).
#define CELLVEX_FOR_EACH_0(m)
#define CELLVEX_FOR_EACH_1(m, a) m a
#define CELLVEX_FOR_EACH_2(m, a, ...) m a, CELLVEX_FOR_EACH_1(m, __VA_ARGS__)
#define CELLVEX_FOR_EACH_3(m, a, ...) m a, CELLVEX_FOR_EACH_2(m, __VA_ARGS__)
#define CELLVEX_FOR_EACH_4(m, a, ...) m a, CELLVEX_FOR_EACH_3(m, __VA_ARGS__)
#define CELLVEX_FOR_EACH_5(m, a, ...) m a, CELLVEX_FOR_EACH_4(m, __VA_ARGS__)
#define CELLVEX_FOR_EACH_6(m, a, ...) m a, CELLVEX_FOR_EACH_5(m, __VA_ARGS__)
#define CELLVEX_FOR_EACH_7(m, a, ...) m a, CELLVEX_FOR_EACH_6(m, __VA_ARGS__)
#define CELLVEX_FOR_EACH_8(m, a, ...) m a, CELLVEX_FOR_EACH_7(m, __VA_ARGS__)
#define CELLVEX_FOR_EACH_PICK(_1, _2, _3, _4, _5, _6, _7, _8, NAME, ...) NAME
#define CELLVEX_FOR_EACH(m, ...)                                                                             \
    CELLVEX_FOR_EACH_PICK(__VA_ARGS__ __VA_OPT__(, ) CELLVEX_FOR_EACH_8, CELLVEX_FOR_EACH_7,                 \
                          CELLVEX_FOR_EACH_6, CELLVEX_FOR_EACH_5, CELLVEX_FOR_EACH_4, CELLVEX_FOR_EACH_3,    \
                          CELLVEX_FOR_EACH_2, CELLVEX_FOR_EACH_1, CELLVEX_FOR_EACH_0)                        \
    (m __VA_OPT__(, ) __VA_ARGS__)

// The same over a row's parenthesised argument list. The extra level makes
// __VA_OPT__ see the already unpacked list, which is empty for members
// without arguments.
#define CELLVEX_FOR_EACH_ARG(m, args) CELLVEX_FOR_EACH_ARG_EXPANDED(m, CELLVEX_UNPAREN args)
#define CELLVEX_FOR_EACH_ARG_EXPANDED(m, ...) CELLVEX_FOR_EACH(m, __VA_ARGS__)

// The ArgInfo initialiser of one argument tuple.
#define CELLVEX_ARGINFO(direction, type, name, empty)                                                        \
    ::cellvex::automation::ArgInfo                                                                           \
    {                                                                                                        \
        ::cellvex::automation::Direction::direction, ::cellvex::automation::ArgType::type, #name,            \
            ::cellvex::automation::EmptyValue::empty                                                         \
    }

// Name of the C++ function of a row: COM's accessor prefixes keep a
// property's get and put apart (get_Visible, put_Visible, putref_Font).
#define CELLVEX_FUNCTION_NAME(kind, name) CELLVEX_FUNCTION_NAME_##kind(name)
#define CELLVEX_FUNCTION_NAME_Method(name) name
#define CELLVEX_FUNCTION_NAME_PropGet(name) get_##name
#define CELLVEX_FUNCTION_NAME_PropPut(name) put_##name
#define CELLVEX_FUNCTION_NAME_PropPutRef(name) putref_##name

// The C++ parameter of one argument tuple.
#define CELLVEX_PARAM(direction, type, name, empty)                                                          \
    ::cellvex::automation::ParamType<::cellvex::automation::ArgType::type,                                   \
                                     ::cellvex::automation::Direction::direction>                            \
        name

// Parameter list of a row's C++ function: its arguments, then a pointer
// that receives the result unless the result is Void.
#define CELLVEX_PARAMETERS(resultType, args) CELLVEX_PARAMETERS_EXPANDED(resultType, CELLVEX_UNPAREN args)
#define CELLVEX_PARAMETERS_EXPANDED(resultType, ...) CELLVEX_PARAMETERS_JOINED(resultType, __VA_ARGS__)
#define CELLVEX_PARAMETERS_JOINED(resultType, ...)                                                           \
    (CELLVEX_FOR_EACH(CELLVEX_PARAM, __VA_ARGS__) CELLVEX_RESULT_PARAMETER(resultType, __VA_ARGS__))

// Whether a row of this result type hands back a result through a pointer.
#define CELLVEX_HAS_RESULT_Void 0
#define CELLVEX_HAS_RESULT_Long 1
#define CELLVEX_HAS_RESULT_Short 1
#define CELLVEX_HAS_RESULT_Boolean 1
#define CELLVEX_HAS_RESULT_Double 1
#define CELLVEX_HAS_RESULT_String 1
#define CELLVEX_HAS_RESULT_OleColor 1
#define CELLVEX_HAS_RESULT_Font 1
#define CELLVEX_HAS_RESULT_TxActiveFormBorderStyle 1
#define CELLVEX_HAS_RESULT_TxPrintScale 1
#define CELLVEX_HAS_RESULT_TxHelpType 1

// The result pointer parameter, after a comma when arguments precede it.
#define CELLVEX_RESULT_PARAMETER(resultType, ...)                                                            \
    CELLVEX_CAT(CELLVEX_RESULT_PARAMETER_, CELLVEX_HAS_RESULT_##resultType)(resultType, __VA_ARGS__)
#define CELLVEX_RESULT_PARAMETER_0(resultType, ...)
#define CELLVEX_RESULT_PARAMETER_1(resultType, ...)                                                          \
    __VA_OPT__(, )                                                                                           \
    ::cellvex::automation::ParamType<::cellvex::automation::ArgType::resultType,                             \
                                     ::cellvex::automation::Direction::Out>                                  \
        result

// The result pointer as a call passes it on: `result`, or nullptr for Void.
#define CELLVEX_RESULT_ARGUMENT(resultType)                                                                  \
    CELLVEX_CAT(CELLVEX_RESULT_ARGUMENT_, CELLVEX_HAS_RESULT_##resultType)
#define CELLVEX_RESULT_ARGUMENT_0 nullptr
#define CELLVEX_RESULT_ARGUMENT_1 result
