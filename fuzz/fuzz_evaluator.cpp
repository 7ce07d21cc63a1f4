// Feeds arbitrary bytes, read as UTF-8, to both evaluator entry points and
// checks the promises callers rely on: a success carries a finite value, a
// failure carries a message and the value 0.

#include "common/Rounding.h"
#include "formula/Evaluator.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

bool isBlank(QChar c)
{
    return c.unicode() <= u' ';
}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    const auto real = cellvex::evalExpression(text);
    if (real.ok())
        check(std::isfinite(real.value));
    else
        check(real.value == 0);

    const auto integer = cellvex::evalInteger(text);
    if (!integer.ok()) {
        check(integer.value == 0);
        return 0;
    }
    // Without blanks around it the text was evaluated as is, so the integer
    // must be the rounded real, saturated to 32 bits.
    if (real.ok() && !text.isEmpty() && !isBlank(text.front()) && !isBlank(text.back())) {
        const double v = real.value;
        if (v > -2147483648.0 && v < 2147483647.0)
            check(integer.value == cellvex::roundHalfEven(v));
        else if (v >= 2147483648.0)
            check(integer.value == INT32_MAX);
        else if (v <= -2147483649.0)
            check(integer.value == INT32_MIN);
    }
    return 0;
}
