#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace cellvex {

// One attribute of a start tag as a parser hands it over: the name and the
// value with references resolved, both valid until the event returns.
struct XmlAttribute
{
    std::string_view name;
    std::string_view value;
};

using XmlAttributeList = std::span<const XmlAttribute>;

// The value of the attribute `name`; null when the tag has none.
inline const std::string_view *findXmlAttribute(XmlAttributeList attributes, std::string_view name)
{
    for (const XmlAttribute &a : attributes)
        if (a.name == name)
            return &a.value;
    return nullptr;
}

// What a parser knows of a start tag's attributes beyond their values: from
// `from` on they are, byte for byte and in the same places, the attributes
// of every earlier tag the parser marked with the same `tail` (never 0), and
// the ones before `from` are named in the parser's list of varying
// attributes. Readers may reuse what they made of such a tail; a tag with
// `tail` 0 says nothing.
struct RepeatedAttributes
{
    std::uint64_t tail = 0;
    int from = 0;
};

} // namespace cellvex
