#pragma once

#include "document/XmlAttributes.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cellvex {

// The ends of start tags read lately, for the parser to recognise a tag
// that ends as an earlier one did. Cell elements repeat the same thirty
// attributes and differ in their position and size only, so comparing the
// bytes of a known end is far cheaper than reading them again.
//
// A tail is the text of a tag from the space before one of its attributes
// through the closing ">" or "/>", well-formed, without references, and is
// found by the bytes from its start up to its first ">". Only short tails
// are kept (pictures make long ones, which seldom repeat and would hold
// their megabytes here). Entries are replaced as new tails arrive; each one
// gets an identity never given again.
class AttributeTailCache
{
public:
    struct Entry
    {
        std::uint64_t id = 0; // 0: the slot is free
        std::uint64_t key = 0;
        int from = 0;       // the tail's first attribute is the tag's attribute `from`
        bool empty = false; // the tag ends with "/>"
        std::string text;
        // `from` slots for the tag's own leading attributes, then the
        // tail's attributes, which view `text`.
        std::vector<XmlAttribute> attributes;
    };

    static constexpr std::size_t kMaxTailBytes = 4096;

    // The key of a tail starting at `text` whose first attribute is the
    // tag's attribute `from`: Found; NeedMore when `text` ends before its
    // first ">"; TooLong when no ">" comes within kMaxTailBytes, so that no
    // kept tail can start there.
    enum class Key { Found, NeedMore, TooLong };
    static Key keyOf(std::string_view text, int from, std::uint64_t &key);

    // The entry whose tail `text` starts with; null when there is none.
    Entry *find(std::uint64_t key, int from, std::string_view text);

    // Keeps `tail` (the tail's bytes) with its attributes, given as offsets
    // into it: names and values, each as start and end. Returns the entry,
    // or null for a tail longer than kMaxTailBytes.
    struct Span
    {
        std::size_t nameStart, nameEnd, valueStart, valueEnd;
    };
    const Entry *insert(std::uint64_t key, int from, std::string_view tail, const Span *spans,
                        std::size_t count);

private:
    static constexpr std::size_t kSlots = 256;
    std::vector<Entry> m_entries = std::vector<Entry>(kSlots);
    std::uint64_t m_nextId = 0;
};

} // namespace cellvex
