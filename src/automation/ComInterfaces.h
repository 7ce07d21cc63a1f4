#pragma once

#include "automation/EventSink.h"
#include "automation/Guid.h"
#include "automation/HResult.h"

#include <cstdint>

namespace cellvex::automation {

// Interface identifiers the control server answers beyond those of the type
// library: the class factory, the connection point through which a host
// connects its event sink, and the widget that hosts the report.
extern const Guid IID_IUnknown;
extern const Guid IID_IDispatch;
extern const Guid IID_IClassFactory;
extern const Guid IID_IConnectionPoint;
extern const Guid IID_IQtWidget;

// Creates control objects: one per request, each with its own report.
class IClassFactory
{
public:
    virtual HResult QueryInterface(const Guid &iid, void **object) = 0;
    virtual std::uint32_t AddRef() = 0;
    virtual std::uint32_t Release() = 0;
    virtual HResult CreateInstance(void *outer, const Guid &iid, void **object) = 0;
    virtual HResult LockServer(bool lock) = 0;

protected:
    ~IClassFactory() = default;
};

// Connection point of ICellvexEvents: one sink at a time, as a container connects it.
class IConnectionPoint
{
public:
    virtual HResult Advise(IEventSink *sink, std::uint32_t *cookie) = 0;
    virtual HResult Unadvise(std::uint32_t cookie) = 0;

protected:
    ~IConnectionPoint() = default;
};

} // namespace cellvex::automation

// The in-process server's entry points, looked up by name after loading the library.
extern "C" {
cellvex::automation::HResult DllGetClassObject(const cellvex::automation::Guid &classId,
                                               const cellvex::automation::Guid &iid, void **object);
cellvex::automation::HResult DllCanUnloadNow();
cellvex::automation::HResult DllRegisterServer();
cellvex::automation::HResult DllUnregisterServer();
}
