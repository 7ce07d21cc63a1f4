#pragma once

#include "automation/Guid.h"
#include "automation/HResult.h"
#include "automation/MemberTypes.h"
#include "automation/ParamTypes.h"
#include "automation/TableMacros.h"
#include "automation/Variant.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace cellvex::automation {

class MemberLookup;

// The control's dual interface. The vtable is laid out as a COM client
// expects it: IUnknown's three slots, IDispatch's four, then the members in
// slot order from 7 on, declared from Members.def. Every function returns a
// result code; results and out arguments are written through pointers.
class ICellvex
{
public:
    // IUnknown
    virtual HResult QueryInterface(const Guid &iid, void **object) = 0;
    virtual std::uint32_t AddRef() = 0;
    virtual std::uint32_t Release() = 0;

    // IDispatch. The type information is the member table with its lookups.
    virtual HResult GetTypeInfoCount(std::uint32_t *count) = 0;
    virtual HResult GetTypeInfo(std::uint32_t index, std::uint32_t locale, const MemberLookup **info) = 0;
    virtual HResult GetIDsOfNames(const QString *names, std::uint32_t count, std::uint32_t locale,
                                  DispId *dispIds) = 0;
    // args are in declaration order (not COM's reversed order); out and
    // in/out arguments are written back into them. argError receives the
    // 0-based position of an argument that could not be converted.
    virtual HResult Invoke(DispId dispId, std::uint32_t locale, std::uint16_t flags,
                           std::vector<Variant> &args, Variant *result, std::uint32_t *argError) = 0;

#define CELLVEX_MEMBER(slot, dispid, name, kind, result, commit, target, empty, visibility, args)            \
    virtual HResult CELLVEX_FUNCTION_NAME(kind, name) CELLVEX_PARAMETERS(result, args) = 0;
#include "automation/Members.def"

protected:
    // Objects go away through Release(), never through delete on the
    // interface; a virtual destructor would also take vtable slots.
    ~ICellvex() = default;
};

} // namespace cellvex::automation
