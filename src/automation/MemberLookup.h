#pragma once

#include "automation/HResult.h"
#include "automation/MemberRow.h"

#include <QHash>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <span>
#include <vector>

namespace cellvex::automation {

// Hashed lookups over the member table, the way late binding needs them:
// a name (in any letter case) to its dispatch id, and a dispatch id to the
// rows that share it (a property's get and put, the font's putref too).
class MemberLookup
{
public:
    // Built once from memberTable(); the rows live as long as the program.
    static const MemberLookup &instance();

    // DISP_E_MEMBERNOTFOUND when no member has this name.
    HResult dispIdOfName(QStringView name, DispId &dispId) const;

    // Empty for an unknown dispatch id.
    std::span<const MemberRow *const> rowsOfDispId(DispId dispId) const;

    // The row that Invoke's flags ask for: a method or a get for
    // DISPATCH_METHOD / DISPATCH_PROPERTYGET (callers often pass both), the
    // put for DISPATCH_PROPERTYPUT, the put-by-reference for
    // DISPATCH_PROPERTYPUTREF. nullptr when there is none, which the caller
    // reports as DISP_E_MEMBERNOTFOUND.
    const MemberRow *resolve(DispId dispId, std::uint16_t flags) const;

    // The 0-based position of a named argument of row, in any letter case,
    // or -1; named arguments get their position as their dispatch id.
    static int argumentIndex(const MemberRow &row, QStringView name);

private:
    MemberLookup();

    static QString key(QStringView name) { return name.toString().toCaseFolded(); }

    QHash<QString, DispId> m_dispIdByName;
    QHash<DispId, std::vector<const MemberRow *>> m_rowsByDispId;
};

} // namespace cellvex::automation
