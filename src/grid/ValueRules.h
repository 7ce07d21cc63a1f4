#pragma once

#include <QString>

#include <optional>

namespace cellvex {

class SystemDateFormat;

// What a value becomes in a cell, by the cell's format, before it is stored.
// nullopt: the value is ignored and the caption stays; "" clears the caption.

// A text cell's format: letter case and byte length for text, whole numbers,
// real numbers by pattern or significant digits. Other format codes accept no
// value. Throws ReportError for a real number (format 3) that is not a number.
std::optional<QString> textCellCaption(int formatType, const QString &formatText, int textLength,
                                       const QString &text);

// A date cell: only a valid date (or "" to clear) is taken; with the date
// format it is written by the date pattern, otherwise as given unless the
// caption already reads as the same day. Throws ReportError when that caption
// has to be read and is no date.
std::optional<QString> dateCellCaption(int formatType, const QString &formatText, const QString &caption,
                                       const QString &text, const SystemDateFormat &system);

// Whether a drop-down list's item text (lines separated by CR, LF or CR LF)
// has a line equal to the text.
bool dropListHasItem(const QString &dropText, const QString &text);

} // namespace cellvex
