#pragma once

#include "automation/HResult.h"
#include "automation/MemberRow.h"
#include "automation/Variant.h"

#include <QString>

#include <vector>

namespace cellvex::automation {

struct BindResult
{
    HResult code = S_OK;
    int argumentIndex = -1; // 0-based position of the offending argument, -1 for none
    QString message;        // for the error info the host reads

    bool ok() const { return succeeded(code); }
};

// The Variant type that carries a declared type: enumerations travel as
// long, the font object as an object. Void maps to Empty.
VarType varTypeOf(ArgType type);

// Prepares a late-bound call of row: args (in declaration order, a put's
// value being its one argument) must match the row's argument count, else
// DISP_E_BADPARAMCOUNT. Each in and in/out argument is converted in place
// to its declared type, so the caller reads it with asLong(), asString(),
// ...; each out argument is reset to its type's zero. A value that cannot
// be converted fails with the conversion's code (DISP_E_TYPEMISMATCH or
// DISP_E_OVERFLOW) and the argument's position; arguments before it may
// already be converted.
BindResult bindArguments(const MemberRow &row, std::vector<Variant> &args);

// What a getter hands back for a missing cell, in the declared type:
// empty -> "" / 0 / false / -1; NotApplicable gives the type's zero.
Variant emptyValueOf(EmptyValue empty, ArgType type);

} // namespace cellvex::automation
