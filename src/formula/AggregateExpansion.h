#pragma once

#include "formula/EvalResult.h"

#include <QString>
#include <QStringView>

#include <array>

namespace cellvex {

class Report;

enum class AggregateMode {
    Expression, // name(x1, y1, x2, y2): the result is a number
    Script,     // name(x1, y1, x2, y2, f): a number when f is "1", else a quoted string
};

// The aggregates in the order formulas and scripts expand them.
inline constexpr std::array<QStringView, 5> kAggregateNames = {u"sum", u"avg", u"min", u"max", u"std"};

// Replaces every call of the aggregate `name` (found as a plain substring;
// one not followed by "(" stays) by its result over the range, written as
// number text: "sum", "avg", "min", "max" or "std" (sample deviation) of the
// captions that pass the numeric text test, visited column by column. An
// invalid range, or one where no caption counts, gives "0" (in script mode
// with f not "1", ""). Coordinates may use the position words of the cell
// at 0-based (col, row); (-1, -1) for the init script.
//
// On failure the error names the line: "第" lineIndex+1 "行文本" name and the
// fault ("语句缺少“)”", "语句缺少“,”", "列号错误", "行号错误", "列号"/"行号"
// with the evaluator's message), or "第" N "行文本出现错误" when a value
// cannot be read, "std" has a single value or the result is not finite.
EvalResult<QString> expandAggregates(const Report &report, QStringView text, QStringView name,
                                     AggregateMode mode, int lineIndex, int col, int row);

} // namespace cellvex
