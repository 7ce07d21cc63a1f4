#include "ControlHost.h"

#include "automation/ComInterfaces.h"
#include "automation/ICellvex.h"
#include "automation/TypeLibrary.h"
#include "platform/ServerRegistry.h"

#include <dlfcn.h>

namespace cellvex {

using namespace automation;

HResult createControl(const QString &name, ICellvex **control, QString *error)
{
    auto fail = [&](HResult hr, const QString &why) {
        if (error)
            *error = why;
        return hr;
    };
    if (!control)
        return fail(E_POINTER, QStringLiteral("no place for the control"));
    *control = nullptr;
    const ServerRegistry registry;
    // A class identifier may come with or without braces; anything else is a ProgID.
    QString classId = name;
    classId.remove(QLatin1Char('{')).remove(QLatin1Char('}'));
    auto entry = registry.findByProgId(name);
    if (!entry)
        entry = registry.findByClassId(classId.toUpper());
    if (!entry)
        return fail(REGDB_E_CLASSNOTREG,
                    QStringLiteral("class not registered: %1 (registry %2)").arg(name, registry.path()));
    void *lib = dlopen(entry->libraryPath.toLocal8Bit().constData(), RTLD_NOW | RTLD_GLOBAL);
    if (!lib)
        return fail(CLASS_E_CLASSNOTAVAILABLE, QString::fromLocal8Bit(dlerror()));
    using GetClassObject = HResult (*)(const Guid &, const Guid &, void **);
    auto getClassObject = reinterpret_cast<GetClassObject>(dlsym(lib, "DllGetClassObject"));
    if (!getClassObject)
        return fail(CLASS_E_CLASSNOTAVAILABLE,
                    QStringLiteral("%1 exports no class factory").arg(entry->libraryPath));
    IClassFactory *factory = nullptr;
    HResult hr =
        getClassObject(TypeLibrary::kCoclassId, IID_IClassFactory, reinterpret_cast<void **>(&factory));
    if (failed(hr) || !factory)
        return fail(failed(hr) ? hr : E_FAIL, QStringLiteral("the class factory refused"));
    hr = factory->CreateInstance(nullptr, TypeLibrary::kInterfaceId, reinterpret_cast<void **>(control));
    factory->Release();
    if (failed(hr))
        return fail(hr, QStringLiteral("the control could not be created"));
    return S_OK;
}

} // namespace cellvex
