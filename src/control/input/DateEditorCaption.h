#pragma once

#include "grid/CalendarDate.h"

#include <QString>

#include <optional>

namespace cellvex {

class SystemDateFormat;

// What the date editor's OK button writes into a date cell: the picked day in
// the cell's date pattern (format 6) or in the short date format. nullopt when
// the caption already shows that day and nothing is to be written. Throws
// ReportError, changing nothing, when a caption without a date pattern has to
// be compared and is no readable date.
std::optional<QString> dateEditorCaption(int formatType, const QString &formatText, const QString &caption,
                                         const CalendarDate &picked, const SystemDateFormat &system);

} // namespace cellvex
