#include "formula/EvalArithmetic.h"

#include "common/Rounding.h"

#include <cmath>
#include <cstdint>

namespace cellvex {

namespace {

// Up to this exponent a power is a plain chain of multiplications, which
// gives exactly the digits reports have always shown; beyond it squaring
// keeps a huge exponent from running for billions of steps.
constexpr double kChainedPowerLimit = 1024;

// Every double at or above 2^53 is even, and any base other than +-1 has
// overflowed or underflowed long before 2^62 squarings' worth of exponent.
constexpr double kExponentCap = 4611686018427387904.0; // 2^62

double chainedPower(double base, int count)
{
    double r = base;
    for (int i = 1; i < count; ++i) {
        r *= base;
        if (std::isinf(r))
            break;
    }
    return r;
}

double squaredPower(double base, std::uint64_t e)
{
    double r = 1.0;
    while (e != 0) {
        if (e & 1u)
            r *= base;
        e >>= 1;
        if (e != 0)
            base *= base;
    }
    return r;
}

EvalError finite(double value, double &result)
{
    if (!std::isfinite(value))
        return EvalError::Parse;
    result = value;
    return EvalError::None;
}

EvalError power(double a, double b, double &result)
{
    if (a == 0) {
        if (b < 0)
            return EvalError::DivisionByZero;
        if (b == 0)
            return EvalError::ZeroToZero;
        result = 0;
        return EvalError::None;
    }
    if (b == 0) {
        result = 1;
        return EvalError::None;
    }
    if (b == std::trunc(b))
        return finite(integralPower(a, b), result);
    // A negative base gives NaN here: an invalid operation.
    return finite(std::exp(b * std::log(a)), result);
}

EvalError factorial(double x, double &result)
{
    // Checked before rounding so that the conversion to an integer is always
    // defined; 171! already exceeds the largest double.
    if (x < -1.0)
        return EvalError::FactorialOfNegative;
    if (x > 1000.0)
        return EvalError::Parse;
    const std::int64_t n = roundHalfEven(x);
    if (n < 0)
        return EvalError::FactorialOfNegative;
    double r = 1;
    for (std::int64_t i = 2; i <= n; ++i) {
        r *= static_cast<double>(i);
        if (std::isinf(r))
            return EvalError::Parse;
    }
    result = r;
    return EvalError::None;
}

} // namespace

double integralPower(double base, double exponent)
{
    const double count = std::fabs(exponent);
    double r;
    if (std::fabs(base) == 1.0) {
        const bool odd = count < kExponentCap && std::fmod(count, 2.0) == 1.0;
        r = (base < 0 && odd) ? -1.0 : 1.0;
    } else if (count <= kChainedPowerLimit) {
        r = chainedPower(base, static_cast<int>(count));
    } else {
        r = squaredPower(base, static_cast<std::uint64_t>(std::fmin(count, kExponentCap)));
    }
    return exponent < 0 ? 1.0 / r : r;
}

EvalError applyOperator(EvalToken op, double a, double b, double &result)
{
    switch (op) {
    case EvalToken::Plus:
        return finite(a + b, result);
    case EvalToken::Minus:
        return finite(a - b, result);
    case EvalToken::Times:
        return finite(a * b, result);
    case EvalToken::Divide:
        if (b == 0)
            return EvalError::DivisionByZero;
        return finite(a / b, result);
    case EvalToken::IntDivide:
        if (b == 0)
            return EvalError::DivisionByZero;
        // + 0.0 turns the quotient -0 (as in -1\2) into the integer 0.
        return finite(std::trunc(a / b) + 0.0, result);
    case EvalToken::Remainder: {
        if (b == 0)
            return EvalError::DivisionByZero;
        // Spelled out step by step (not fmod): each step rounds to a double,
        // and reports depend on exactly these digits.
        const double quotient = a / b;
        if (!std::isfinite(quotient))
            return EvalError::Parse;
        const double whole = std::trunc(quotient);
        const double product = whole * b;
        return finite(a - product, result);
    }
    case EvalToken::Power:
        return power(a, b, result);
    default:
        return EvalError::Parse;
    }
}

EvalError applyFunction(EvalToken function, double x, double &result)
{
    switch (function) {
    case EvalToken::Ln:
        if (x <= 0)
            return EvalError::LogOfNonPositive;
        return finite(std::log(x), result);
    case EvalToken::Sin:
        return finite(std::sin(x), result);
    case EvalToken::Cos:
        return finite(std::cos(x), result);
    case EvalToken::Tan: {
        const double c = std::cos(x);
        if (c == 0)
            return EvalError::DivisionByZero;
        return finite(std::sin(x) / c, result);
    }
    case EvalToken::Sqrt:
        if (x < 0)
            return EvalError::RootOfNegative;
        return finite(std::sqrt(x), result);
    case EvalToken::Exp:
        return finite(std::exp(x), result);
    case EvalToken::Abs:
        return finite(std::fabs(x), result);
    case EvalToken::Fac:
        return factorial(x, result);
    case EvalToken::Arctan:
        return finite(std::atan(x), result);
    default:
        return EvalError::Parse;
    }
}

} // namespace cellvex
