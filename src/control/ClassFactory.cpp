#include "automation/ComInterfaces.h"
#include "automation/TypeLibrary.h"
#include "control/CellvexObject.h"
#include "platform/ServerRegistry.h"

#include <QString>

#include <atomic>
#include <dlfcn.h>

namespace cellvex {

using namespace automation;

namespace {

std::atomic<int> g_serverLocks{0};

class CellvexClassFactory final : public IClassFactory
{
public:
    HResult QueryInterface(const Guid &iid, void **object) override
    {
        if (!object)
            return E_POINTER;
        if (iid == TypeLibrary::kIUnknownId || iid == IID_IClassFactory) {
            *object = static_cast<IClassFactory *>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // The factory is a static object that lives as long as the library.
    std::uint32_t AddRef() override { return 2; }
    std::uint32_t Release() override { return 1; }

    HResult CreateInstance(void *outer, const Guid &iid, void **object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        try {
            auto *control = new CellvexObject();
            const HResult hr = control->QueryInterface(iid, object);
            control->Release(); // the caller holds the only reference now, or none on failure
            return hr;
        } catch (const std::bad_alloc &) {
            return E_OUTOFMEMORY;
        } catch (...) {
            return E_FAIL;
        }
    }

    HResult LockServer(bool lock) override
    {
        g_serverLocks += lock ? 1 : -1;
        return S_OK;
    }
};

CellvexClassFactory g_factory;

QString libraryPath()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void *>(&DllGetClassObject), &info) && info.dli_fname)
        return QString::fromLocal8Bit(info.dli_fname);
    return QString();
}

} // namespace

} // namespace cellvex

using namespace cellvex;
using namespace cellvex::automation;

HResult DllGetClassObject(const Guid &classId, const Guid &iid, void **object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (!(classId == TypeLibrary::kCoclassId))
        return CLASS_E_CLASSNOTAVAILABLE;
    return g_factory.QueryInterface(iid, object);
}

HResult DllCanUnloadNow()
{
    return g_serverLocks.load() == 0 && CellvexObject::liveCount() == 0 ? S_OK : S_FALSE;
}

HResult DllRegisterServer()
{
    ServerEntry e;
    e.classId = TypeLibrary::kCoclassId.toString();
    e.progId = QString::fromLatin1(TypeLibrary::kProgId.data(), qsizetype(TypeLibrary::kProgId.size()));
    e.libraryPath = libraryPath();
    e.threadingModel = QStringLiteral("Apartment");
    e.miscStatus = 0x12000; // simple frame, acts like a label
    e.typeLibId = TypeLibrary::kId.toString();
    e.typeLibVersion =
        QStringLiteral("%1.%2").arg(TypeLibrary::kMajorVersion).arg(TypeLibrary::kMinorVersion);
    if (e.libraryPath.isEmpty())
        return SELFREG_E_CLASS;
    return ServerRegistry().add(e) ? S_OK : SELFREG_E_CLASS;
}

HResult DllUnregisterServer()
{
    return ServerRegistry().remove(TypeLibrary::kCoclassId.toString()) ? S_OK : SELFREG_E_CLASS;
}
