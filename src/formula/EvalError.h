#pragma once

#include <QString>
#include <QStringView>

namespace cellvex {

// Why an evaluation failed. The evaluator keeps only the first one; the text
// shown to the user comes from evalErrorMessage().
enum class EvalError {
    None,
    Parse, // every failure without a message of its own
    DivisionByZero,
    ZeroToZero,
    LogOfNonPositive,
    RootOfNegative,
    FactorialOfNegative,
    MissingClose,
    MissingOpen,
    MultiplePoints,
    InvalidCharacter,
};

// The user-visible message. invalid is the offending character of an
// InvalidCharacter error and is ignored otherwise. None gives an empty text.
QString evalErrorMessage(EvalError error, QStringView invalid = {});

} // namespace cellvex
