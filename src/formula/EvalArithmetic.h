#pragma once

#include "formula/EvalError.h"
#include "formula/EvalToken.h"

namespace cellvex {

// The operators and functions of the expression evaluator on IEEE doubles.
// Each stores a finite result and returns EvalError::None, or returns the
// failure: the operation's own message, or EvalError::Parse for an overflow or
// an invalid operation (so no infinity or NaN ever reaches a cell).

// a op b for the two-operand tokens Plus .. Power.
EvalError applyOperator(EvalToken op, double a, double b, double &result);

// f(x) for the function tokens Ln .. Arctan. Angles are radians.
EvalError applyFunction(EvalToken function, double x, double &result);

// base raised to an integral exponent (base != 0), by multiplication. May
// return an infinity or zero when the true result is out of range.
double integralPower(double base, double exponent);

} // namespace cellvex
