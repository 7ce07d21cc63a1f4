#pragma once

#include <cstdint>

namespace cellvex::automation {

// Result code of every interface call. The values are the ones COM clients
// already know, so a host's error handling needs no translation table.
using HResult = std::int32_t;

constexpr HResult makeHResult(std::uint32_t bits)
{
    return static_cast<HResult>(bits);
}

constexpr HResult S_OK = 0;
constexpr HResult S_FALSE = 1;

constexpr HResult E_NOTIMPL = makeHResult(0x80004001u);
constexpr HResult E_NOINTERFACE = makeHResult(0x80004002u);
constexpr HResult E_POINTER = makeHResult(0x80004003u);
constexpr HResult E_FAIL = makeHResult(0x80004005u);
constexpr HResult E_UNEXPECTED = makeHResult(0x8000FFFFu);
constexpr HResult E_OUTOFMEMORY = makeHResult(0x8007000Eu);
constexpr HResult E_INVALIDARG = makeHResult(0x80070057u);

constexpr HResult DISP_E_UNKNOWNINTERFACE = makeHResult(0x80020001u);
constexpr HResult DISP_E_MEMBERNOTFOUND = makeHResult(0x80020003u);
constexpr HResult DISP_E_PARAMNOTFOUND = makeHResult(0x80020004u);
constexpr HResult DISP_E_TYPEMISMATCH = makeHResult(0x80020005u);
constexpr HResult DISP_E_UNKNOWNNAME = makeHResult(0x80020006u);
constexpr HResult DISP_E_NONAMEDARGS = makeHResult(0x80020007u);
constexpr HResult DISP_E_BADVARTYPE = makeHResult(0x80020008u);
constexpr HResult DISP_E_EXCEPTION = makeHResult(0x80020009u);
constexpr HResult DISP_E_OVERFLOW = makeHResult(0x8002000Au);
constexpr HResult DISP_E_BADINDEX = makeHResult(0x8002000Bu);
constexpr HResult DISP_E_BADPARAMCOUNT = makeHResult(0x8002000Eu);
constexpr HResult DISP_E_PARAMNOTOPTIONAL = makeHResult(0x8002000Fu);

// Class factory, registration and connection points.
constexpr HResult CLASS_E_NOAGGREGATION = makeHResult(0x80040110u);
constexpr HResult CLASS_E_CLASSNOTAVAILABLE = makeHResult(0x80040111u);
constexpr HResult REGDB_E_CLASSNOTREG = makeHResult(0x80040154u);
constexpr HResult SELFREG_E_CLASS = makeHResult(0x80040201u);
constexpr HResult CONNECT_E_NOCONNECTION = makeHResult(0x80040200u);
constexpr HResult CONNECT_E_ADVISELIMIT = makeHResult(0x80040201u);
constexpr HResult TYPE_E_ELEMENTNOTFOUND = makeHResult(0x8002802Bu);

// The severity bit alone decides success, as in COM: S_FALSE still succeeds.
constexpr bool succeeded(HResult hr)
{
    return hr >= 0;
}
constexpr bool failed(HResult hr)
{
    return hr < 0;
}

// Symbolic name of a known code ("DISP_E_TYPEMISMATCH"), or the code in
// hexadecimal ("0x80041234") for any other; used in messages and logs.
const char *hresultName(HResult hr);

} // namespace cellvex::automation
