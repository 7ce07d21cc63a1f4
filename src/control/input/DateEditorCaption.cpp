#include "control/input/DateEditorCaption.h"

#include "common/ReportError.h"
#include "grid/DatePattern.h"
#include "grid/FormatCodes.h"
#include "grid/SystemDateFormat.h"

namespace cellvex {

std::optional<QString> dateEditorCaption(int formatType, const QString &formatText, const QString &caption,
                                         const CalendarDate &picked, const SystemDateFormat &system)
{
    // An empty pattern writes the short date format.
    const QString pattern = formatType == FormatCode::Date ? formatText : QString();
    const QString written = formatDatePattern(picked, pattern, system);
    if (caption.isEmpty())
        return written;
    if (formatType == FormatCode::Date)
        return written != caption ? std::optional<QString>(written) : std::nullopt;
    // Without a pattern the caption may be written in any way a date can be
    // read: compare days, so that an unchanged day keeps the user's spelling.
    const std::optional<CalendarDate> current = readDate(caption.trimmed());
    if (!current)
        throw ReportError(QStringLiteral("“%1”不是有效的日期").arg(caption.left(40)));
    if (*current == picked)
        return std::nullopt;
    return written;
}

} // namespace cellvex
