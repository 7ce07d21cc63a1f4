#include "CellvexObject.h"

#include "automation/DispatchBinder.h"
#include "automation/MemberLookup.h"
#include "automation/MemberTable.h"
#include "automation/TypeLibrary.h"
#include "control/CellvexControl.h"
#include "control/MemberBoundary.h"
#include "control/TypedCall.h"

namespace cellvex {

using namespace automation;

CellvexObject::CellvexObject(QWidget *parent) : m_control(new CellvexControl(parent))
{
    ++s_live;
}

CellvexObject::~CellvexObject()
{
    --s_live;
    // The widget goes with the object unless a parent widget took it already.
    if (m_control && !m_control->parent())
        delete m_control.data();
}

HResult CellvexObject::QueryInterface(const Guid &iid, void **object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == TypeLibrary::kInterfaceId)
        *object = static_cast<ICellvex *>(this);
    else if (iid == IID_IConnectionPoint)
        *object = static_cast<IConnectionPoint *>(this);
    else if (iid == IID_IQtWidget) {
        *object = static_cast<QWidget *>(m_control.data());
        return S_OK; // the widget is not reference counted
    } else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

std::uint32_t CellvexObject::AddRef()
{
    return ++m_refs;
}

std::uint32_t CellvexObject::Release()
{
    const std::uint32_t left = --m_refs;
    if (left == 0)
        delete this;
    return left;
}

HResult CellvexObject::GetTypeInfoCount(std::uint32_t *count)
{
    if (!count)
        return E_POINTER;
    *count = 1;
    return S_OK;
}

HResult CellvexObject::GetTypeInfo(std::uint32_t index, std::uint32_t, const MemberLookup **info)
{
    if (!info)
        return E_POINTER;
    if (index != 0)
        return DISP_E_BADINDEX;
    *info = &MemberLookup::instance();
    return S_OK;
}

HResult CellvexObject::GetIDsOfNames(const QString *names, std::uint32_t count, std::uint32_t,
                                     DispId *dispIds)
{
    if (!names || !dispIds || count == 0)
        return E_INVALIDARG;
    const MemberLookup &lookup = MemberLookup::instance();
    HResult hr = lookup.dispIdOfName(names[0], dispIds[0]);
    if (failed(hr)) {
        dispIds[0] = -1;
        return hr;
    }
    // Further names are argument names of that member.
    const auto rows = lookup.rowsOfDispId(dispIds[0]);
    for (std::uint32_t i = 1; i < count; ++i) {
        int index = -1;
        for (const MemberRow *row : rows)
            if ((index = MemberLookup::argumentIndex(*row, names[i])) >= 0)
                break;
        dispIds[i] = index;
        if (index < 0)
            hr = DISP_E_UNKNOWNNAME;
    }
    return hr;
}

HResult CellvexObject::Invoke(DispId dispId, std::uint32_t, std::uint16_t flags, std::vector<Variant> &args,
                              Variant *result, std::uint32_t *argError)
{
    m_errors.clear();
    const MemberRow *row = MemberLookup::instance().resolve(dispId, flags);
    if (!row)
        return m_errors.fail(DISP_E_MEMBERNOTFOUND, QStringLiteral("成员不存在：%1").arg(dispId));
    const BindResult bound = bindArguments(*row, args);
    if (!bound.ok()) {
        if (argError && bound.argumentIndex >= 0)
            *argError = std::uint32_t(bound.argumentIndex);
        return m_errors.fail(bound.code, bound.message,
                             QString::fromLatin1(row->name.data(), qsizetype(row->name.size())));
    }
    return dispatchRow(row->slot - kFirstMemberSlot, args, result);
}

HResult CellvexObject::Advise(IEventSink *sink, std::uint32_t *cookie)
{
    if (!sink || !cookie)
        return E_POINTER;
    if (!m_control)
        return E_FAIL;
    if (m_control->events().connected())
        return CONNECT_E_ADVISELIMIT;
    m_control->events().connect(sink);
    *cookie = ++m_cookie;
    return S_OK;
}

HResult CellvexObject::Unadvise(std::uint32_t cookie)
{
    if (!m_control || cookie != m_cookie || !m_control->events().connected())
        return CONNECT_E_NOCONNECTION;
    m_control->events().disconnect();
    return S_OK;
}

HResult CellvexObject::dispatchRow(int rowIndex, std::vector<Variant> &args, Variant *result)
{
    m_errors.clear();
    if (!m_control)
        return m_errors.fail(E_FAIL, QStringLiteral("控件已经销毁"));
    return runMember(m_control->actions(), rowIndex, args, result, m_errors);
}

// The typed members: each one packs its arguments and runs its row.
#define CELLVEX_MEMBER(slot, dispid, name, kind, resultType, commit, target, empty, visibility, args)        \
    HResult CellvexObject::CELLVEX_FUNCTION_NAME(kind, name) CELLVEX_PARAMETERS(resultType, args)            \
    {                                                                                                        \
        return callTyped<ArgType::resultType>(                                                               \
            [this](std::vector<Variant> &callArgs, Variant *r) {                                             \
                return dispatchRow(slot - kFirstMemberSlot, callArgs, r);                                    \
            },                                                                                               \
            CELLVEX_RESULT_ARGUMENT(resultType) CELLVEX_WRAPPED_ARGS(args));                                 \
    }
#include "automation/Members.def"

} // namespace cellvex
