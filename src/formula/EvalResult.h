#pragma once

#include <QString>

namespace cellvex {

// The outcome of an evaluation: a value, or the message of the first error.
// On failure the value is 0 and must not be used.
template <typename T> struct EvalResult
{
    T value{};
    QString error; // empty on success

    bool ok() const { return error.isEmpty(); }
};

} // namespace cellvex
