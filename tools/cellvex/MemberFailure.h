#pragma once

#include "automation/ErrorInfo.h"
#include "automation/HResult.h"

#include <QString>

#include <cstdint>

namespace cellvex {

// The text a script shows for a member call that failed with `hr`: the
// description the control left, or, when it left none, the member's name
// and the code. Both script languages word it alike.
inline QString memberFailureText(const QString &member, automation::HResult hr)
{
    const QString description = automation::ErrorInfo::last().description();
    if (!description.isEmpty())
        return description;
    return QStringLiteral("%1 failed (0x%2)").arg(member).arg(std::uint32_t(hr), 8, 16, QLatin1Char('0'));
}

} // namespace cellvex
