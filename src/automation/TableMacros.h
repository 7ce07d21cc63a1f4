#pragma once

// Helpers for expanding Members.def and Events.def, whose argument lists are
// written as one parenthesised group per row.

// CELLVEX_UNPAREN (a, b) -> a, b
#define CELLVEX_UNPAREN(...) __VA_ARGS__

// The ArgInfo initialisers used by every table expansion.
#define CELLVEX_ARGINFO_IN(type, name)                                                                       \
    ::cellvex::automation::ArgInfo                                                                           \
    {                                                                                                        \
        ::cellvex::automation::Direction::In, ::cellvex::automation::ArgType::type, #name,                   \
            ::cellvex::automation::EmptyValue::NotApplicable                                                 \
    }
#define CELLVEX_ARGINFO_OUT(type, name, empty)                                                               \
    ::cellvex::automation::ArgInfo                                                                           \
    {                                                                                                        \
        ::cellvex::automation::Direction::Out, ::cellvex::automation::ArgType::type, #name,                  \
            ::cellvex::automation::EmptyValue::empty                                                         \
    }
#define CELLVEX_ARGINFO_INOUT(type, name, empty)                                                             \
    ::cellvex::automation::ArgInfo                                                                           \
    {                                                                                                        \
        ::cellvex::automation::Direction::InOut, ::cellvex::automation::ArgType::type, #name,                \
            ::cellvex::automation::EmptyValue::empty                                                         \
    }

// Name of the C++ function of a row: COM's accessor prefixes keep a
// property's get and put apart (get_Visible, put_Visible, putref_Font).
#define CELLVEX_FUNCTION_NAME(kind, name) CELLVEX_FUNCTION_NAME_##kind(name)
#define CELLVEX_FUNCTION_NAME_Method(name) name
#define CELLVEX_FUNCTION_NAME_PropGet(name) get_##name
#define CELLVEX_FUNCTION_NAME_PropPut(name) put_##name
#define CELLVEX_FUNCTION_NAME_PropPutRef(name) putref_##name

// Parameter list of a row's C++ function: its arguments, then a pointer
// that receives the result unless the result is Void. The extra expansion
// levels make __VA_OPT__ see the already unpacked argument list, which is
// empty for members without arguments. The separator and the result
// parameter travel as names of function-like macros and are invoked only at
// the last level, so their commas cannot split the macro arguments on the way.
#define CELLVEX_PARAMETERS(result, args)                                                                     \
    CELLVEX_PARAMETERS_EXPANDED(CELLVEX_RESULT_SEPARATOR_##result, CELLVEX_RESULT_PARAMETER_##result,        \
                                CELLVEX_UNPAREN args)
#define CELLVEX_PARAMETERS_EXPANDED(separator, resultParameter, ...)                                         \
    CELLVEX_PARAMETERS_JOINED(separator, resultParameter, __VA_ARGS__)
#define CELLVEX_PARAMETERS_JOINED(separator, resultParameter, ...)                                           \
    (__VA_ARGS__ __VA_OPT__(separator()) resultParameter())

#define CELLVEX_PARAM_IN(type, name)                                                                         \
    ::cellvex::automation::ParamType<::cellvex::automation::ArgType::type,                                   \
                                     ::cellvex::automation::Direction::In>                                   \
        name
#define CELLVEX_PARAM_OUT(type, name, empty)                                                                 \
    ::cellvex::automation::ParamType<::cellvex::automation::ArgType::type,                                   \
                                     ::cellvex::automation::Direction::Out>                                  \
        name
#define CELLVEX_PARAM_INOUT(type, name, empty)                                                               \
    ::cellvex::automation::ParamType<::cellvex::automation::ArgType::type,                                   \
                                     ::cellvex::automation::Direction::InOut>                                \
        name

#define CELLVEX_RESULT_POINTER(type)                                                                         \
    ::cellvex::automation::ParamType<::cellvex::automation::ArgType::type,                                   \
                                     ::cellvex::automation::Direction::Out>                                  \
        result
#define CELLVEX_RESULT_SEPARATOR_Void()
#define CELLVEX_RESULT_PARAMETER_Void()
#define CELLVEX_RESULT_SEPARATOR_Long() ,
#define CELLVEX_RESULT_PARAMETER_Long() CELLVEX_RESULT_POINTER(Long)
#define CELLVEX_RESULT_SEPARATOR_Short() ,
#define CELLVEX_RESULT_PARAMETER_Short() CELLVEX_RESULT_POINTER(Short)
#define CELLVEX_RESULT_SEPARATOR_Boolean() ,
#define CELLVEX_RESULT_PARAMETER_Boolean() CELLVEX_RESULT_POINTER(Boolean)
#define CELLVEX_RESULT_SEPARATOR_Double() ,
#define CELLVEX_RESULT_PARAMETER_Double() CELLVEX_RESULT_POINTER(Double)
#define CELLVEX_RESULT_SEPARATOR_String() ,
#define CELLVEX_RESULT_PARAMETER_String() CELLVEX_RESULT_POINTER(String)
#define CELLVEX_RESULT_SEPARATOR_OleColor() ,
#define CELLVEX_RESULT_PARAMETER_OleColor() CELLVEX_RESULT_POINTER(OleColor)
#define CELLVEX_RESULT_SEPARATOR_Font() ,
#define CELLVEX_RESULT_PARAMETER_Font() CELLVEX_RESULT_POINTER(Font)
#define CELLVEX_RESULT_SEPARATOR_TxActiveFormBorderStyle() ,
#define CELLVEX_RESULT_PARAMETER_TxActiveFormBorderStyle() CELLVEX_RESULT_POINTER(TxActiveFormBorderStyle)
#define CELLVEX_RESULT_SEPARATOR_TxPrintScale() ,
#define CELLVEX_RESULT_PARAMETER_TxPrintScale() CELLVEX_RESULT_POINTER(TxPrintScale)
#define CELLVEX_RESULT_SEPARATOR_TxHelpType() ,
#define CELLVEX_RESULT_PARAMETER_TxHelpType() CELLVEX_RESULT_POINTER(TxHelpType)
