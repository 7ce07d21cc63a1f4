#pragma once

#include <QString>

namespace cellvex {

// An alias starts with an ASCII letter and continues with ASCII letters and digits.
bool isValidAlias(const QString &text);

} // namespace cellvex
