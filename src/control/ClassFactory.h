#pragma once

#include "automation/Guid.h"
#include "automation/HResult.h"

#include <cstdint>

namespace cellvex {

extern const automation::Guid IID_IClassFactory;

// Creates control objects: one per request, each with its own report.
class IClassFactory
{
public:
    virtual automation::HResult QueryInterface(const automation::Guid &iid, void **object) = 0;
    virtual std::uint32_t AddRef() = 0;
    virtual std::uint32_t Release() = 0;
    virtual automation::HResult CreateInstance(void *outer, const automation::Guid &iid, void **object) = 0;
    virtual automation::HResult LockServer(bool lock) = 0;

protected:
    ~IClassFactory() = default;
};

} // namespace cellvex

// The in-process server's entry points, looked up by name after loading the library.
extern "C" {
cellvex::automation::HResult DllGetClassObject(const cellvex::automation::Guid &classId,
                                               const cellvex::automation::Guid &iid, void **object);
cellvex::automation::HResult DllCanUnloadNow();
cellvex::automation::HResult DllRegisterServer();
cellvex::automation::HResult DllUnregisterServer();
}
