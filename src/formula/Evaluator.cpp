#include "formula/Evaluator.h"

#include "common/Rounding.h"
#include "formula/ExpressionEvaluator.h"

#include <algorithm>
#include <exception>
#include <limits>

namespace cellvex {

namespace {

// Evaluations never nest and never leave their thread, so one evaluator per
// thread serves them all and keeps its buffers warm.
ExpressionEvaluator &threadEvaluator()
{
    thread_local ExpressionEvaluator evaluator;
    return evaluator;
}

// Blanks of a coordinate text: the space and the control characters.
bool isBlank(QChar c)
{
    return c.unicode() <= u' ';
}

QStringView trimBlanks(QStringView text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isBlank(text[first]))
        ++first;
    while (last > first && isBlank(text[last - 1]))
        --last;
    return text.sliced(first, last - first);
}

std::int32_t saturatedRound(double value)
{
    constexpr auto lowest = std::numeric_limits<std::int32_t>::min();
    constexpr auto highest = std::numeric_limits<std::int32_t>::max();
    // Clamped before rounding so that the conversion to an integer is always
    // defined, whatever the size of the value.
    if (value >= 4294967296.0)
        return highest;
    if (value <= -4294967296.0)
        return lowest;
    const std::int64_t rounded = roundHalfEven(value);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(rounded, lowest, highest));
}

} // namespace

EvalResult<double> evalExpression(QStringView text)
{
    ExpressionEvaluator &evaluator = threadEvaluator();
    EvalResult<double> result;
    const EvalError error = evaluator.evaluate(text, result.value);
    if (error != EvalError::None) {
        result.value = 0;
        result.error = evalErrorMessage(error, evaluator.invalidCharacter());
    }
    return result;
}

EvalResult<std::int32_t> evalInteger(QStringView text)
{
    const QStringView trimmed = trimBlanks(text);
    if (trimmed.isEmpty())
        return {};
    try {
        const EvalResult<double> real = evalExpression(trimmed);
        if (!real.ok())
            return {0, real.error};
        return {saturatedRound(real.value), QString()};
    } catch (const std::exception &) {
        // Only running out of memory gets here.
        return {0, text.toString() + QStringLiteral("计算错误")};
    }
}

} // namespace cellvex
