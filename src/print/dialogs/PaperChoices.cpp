#include "PaperChoices.h"

#include "report/PaperTable.h"

#include <algorithm>

namespace cellvex {

QStringList paperChoices(const std::vector<int> &supportedCodes)
{
    QStringList names;
    if (supportedCodes.empty())
        return names;
    // The query's buffer holds 256 codes; a driver reporting more is cut there.
    const size_t taken = std::min<size_t>(supportedCodes.size(), 256);
    for (size_t i = 0; i < taken; ++i) {
        const int code = supportedCodes[i];
        // Code 256 and above are not the table's papers (256 is the custom
        // paper, which is always added last).
        if (code < 0 || code >= PaperTable::kCustomPaper || !PaperTable::hasName(code))
            continue;
        const QString &name = PaperTable::entry(code).name;
        if (!names.contains(name))
            names << name;
    }
    names << PaperTable::entry(PaperTable::kCustomPaper).name;
    return names;
}

} // namespace cellvex
