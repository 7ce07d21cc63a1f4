#pragma once

#include "formula/EvalResult.h"

#include <QStringView>
#include <cstdint>

namespace cellvex {

// Evaluates an arithmetic text (numbers, pi, + - * / \ % ^, parentheses and
// the functions ln sin cos tan sqrt exp abs fac arctan) exactly as written.
// The error, when there is one, is the bare message (such as "除数为零");
// formula callers put "公式错误，" in front of it themselves.
EvalResult<double> evalExpression(QStringView text);

// Evaluates a coordinate text such as "col+1": leading and trailing blanks are
// removed, an empty text is 0 without error, and the value is rounded to the
// nearest integer with halves to even. Values beyond 32 bits saturate, so a
// huge coordinate is simply outside the grid.
EvalResult<std::int32_t> evalInteger(QStringView text);

} // namespace cellvex
