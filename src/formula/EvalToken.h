#pragma once

namespace cellvex {

// What the expression reader hands to the precedence levels after a primary:
// nothing, a two-operand operator, or a function waiting for its argument.
enum class EvalToken {
    None,
    Plus,
    Minus,
    Times,
    Divide,
    IntDivide, // "\": quotient truncated toward zero
    Remainder, // "%": the sign follows the dividend
    Power,
    Ln,
    Sin,
    Cos,
    Exp,
    Abs,
    Fac,
    Tan,
    Sqrt,
    Arctan,
};

inline bool isFunctionToken(EvalToken t)
{
    return t >= EvalToken::Ln;
}

} // namespace cellvex
