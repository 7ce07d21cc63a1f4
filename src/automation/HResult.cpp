#include "automation/HResult.h"

#include <cstdio>

namespace cellvex::automation {

const char *hresultName(HResult hr)
{
    switch (hr) {
    case S_OK:
        return "S_OK";
    case S_FALSE:
        return "S_FALSE";
    case E_NOTIMPL:
        return "E_NOTIMPL";
    case E_NOINTERFACE:
        return "E_NOINTERFACE";
    case E_POINTER:
        return "E_POINTER";
    case E_FAIL:
        return "E_FAIL";
    case E_UNEXPECTED:
        return "E_UNEXPECTED";
    case E_OUTOFMEMORY:
        return "E_OUTOFMEMORY";
    case E_INVALIDARG:
        return "E_INVALIDARG";
    case DISP_E_UNKNOWNINTERFACE:
        return "DISP_E_UNKNOWNINTERFACE";
    case DISP_E_MEMBERNOTFOUND:
        return "DISP_E_MEMBERNOTFOUND";
    case DISP_E_PARAMNOTFOUND:
        return "DISP_E_PARAMNOTFOUND";
    case DISP_E_TYPEMISMATCH:
        return "DISP_E_TYPEMISMATCH";
    case DISP_E_UNKNOWNNAME:
        return "DISP_E_UNKNOWNNAME";
    case DISP_E_NONAMEDARGS:
        return "DISP_E_NONAMEDARGS";
    case DISP_E_BADVARTYPE:
        return "DISP_E_BADVARTYPE";
    case DISP_E_EXCEPTION:
        return "DISP_E_EXCEPTION";
    case DISP_E_OVERFLOW:
        return "DISP_E_OVERFLOW";
    case DISP_E_BADINDEX:
        return "DISP_E_BADINDEX";
    case DISP_E_BADPARAMCOUNT:
        return "DISP_E_BADPARAMCOUNT";
    case DISP_E_PARAMNOTOPTIONAL:
        return "DISP_E_PARAMNOTOPTIONAL";
    case TYPE_E_ELEMENTNOTFOUND:
        return "TYPE_E_ELEMENTNOTFOUND";
    default:
        break;
    }
    // One buffer per thread keeps the returned pointer valid until the next
    // unknown code is named on the same thread.
    thread_local char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<unsigned>(hr));
    return buffer;
}

} // namespace cellvex::automation
