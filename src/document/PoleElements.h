#pragma once

#include "document/XmlElement.h"

#include <QString>

#include <cstdint>
#include <string_view>
#include <vector>

namespace cellvex {

class RulerModel;

// "PoleX" and "PoleY": the pole count in `countName` ("XC" or "YC") and,
// as the element text, every pole's size in pixels followed by ",".
void writePoleElement(XmlElement pole, const char *countName, const RulerModel &ruler);

// The sizes of the pole element `element` from its count attribute (null
// when absent) and its text. Throws ReportError when the count is missing or
// not a number, when fewer sizes follow than it names, when a size is not a
// number, or when the sizes add up to more than a surface can span.
// `maxCount` bounds the count before anything is allocated for it.
std::vector<int> readPoleSizes(const QString &element, const char *countName, const char *count,
                               std::string_view text, std::int64_t maxCount);

} // namespace cellvex
