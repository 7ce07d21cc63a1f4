#pragma once

#include <QString>

namespace cellvex::vbs {

// A compile or runtime error on its way to the host or to On Error. Errors
// marked fatal (the script was stopped) bypass On Error Resume Next.
struct ScriptError
{
    int number = 0;
    QString description;
    QString source;
    int line = 0;
    int column = 0;
    bool located = false;
    bool fatal = false;
    bool compile = false;
};

// The language's English message for an error number ("Unknown runtime
// error" for numbers it does not define).
QString errorDescription(int number);

// Throws the runtime error; detail, when given, follows the message the way
// the language names the culprit ("Type mismatch: 'foo'").
[[noreturn]] void raise(int number, const QString &detail = {});
[[noreturn]] void raiseFatal(int number);

namespace err {
enum : int {
    InvalidCall = 5,
    Overflow = 6,
    OutOfMemory = 7,
    SubscriptOutOfRange = 9,
    ArrayFixed = 10,
    DivisionByZero = 11,
    TypeMismatch = 13,
    OutOfStringSpace = 14,
    OutOfStack = 28,
    SubNotDefined = 35,
    ObjectVariableNotSet = 91,
    InvalidUseOfNull = 94,
    ObjectRequired = 424,
    CannotCreateObject = 429,
    NoSuchMember = 438,
    ArgumentNotOptional = 449,
    WrongArgumentCount = 450,
    NotACollection = 451,
    KeyExists = 457,
    VariableUndefined = 500,
    IllegalAssignment = 501,
    ClassNotDefined = 506,
    ElementNotFound = 32811,
    // Fatal stops a host asks for.
    Interrupted = 4097,
    BudgetExhausted = 4098,
};
} // namespace err

} // namespace cellvex::vbs
