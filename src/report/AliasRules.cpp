#include "AliasRules.h"

namespace cellvex {

bool isValidAlias(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        const bool digit = c >= '0' && c <= '9';
        if (!(letter || (i > 0 && digit)))
            return false;
    }
    return true;
}

} // namespace cellvex
