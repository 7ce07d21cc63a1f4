#include "AttributeTailCache.h"

#include <algorithm>
#include <cstring>

namespace cellvex {

namespace {

constexpr std::uint64_t kMultiplier = 0xFF51AFD7ED558CCDu;

std::uint64_t word(const char *p)
{
    std::uint64_t w;
    std::memcpy(&w, p, 8);
    return w;
}

} // namespace

AttributeTailCache::Key AttributeTailCache::keyOf(std::string_view text, int from, std::uint64_t &key)
{
    const std::size_t scanned = std::min(text.size(), kMaxTailBytes);
    const void *greater = std::memchr(text.data(), '>', scanned);
    if (!greater)
        return text.size() > kMaxTailBytes ? Key::TooLong : Key::NeedMore;
    const std::size_t length = std::size_t(static_cast<const char *>(greater) - text.data()) + 1;
    // Four lanes of 8 bytes each, so that the multiplications overlap; the
    // last part padded with zeros (the length tells it apart).
    std::uint64_t lanes[4] = {0x9E3779B97F4A7C15u ^ length, 0xC2B2AE3D27D4EB4Fu, 0x165667B19E3779F9u,
                              0x27D4EB2F165667C5u ^ std::uint64_t(from)};
    const char *p = text.data();
    std::size_t at = 0;
    auto mix = [&lanes](const char *block) {
        lanes[0] = (lanes[0] ^ word(block)) * kMultiplier;
        lanes[1] = (lanes[1] ^ word(block + 8)) * kMultiplier;
        lanes[2] = (lanes[2] ^ word(block + 16)) * kMultiplier;
        lanes[3] = (lanes[3] ^ word(block + 24)) * kMultiplier;
    };
    for (; at + 32 <= length; at += 32)
        mix(p + at);
    if (at < length) {
        char last[32] = {};
        std::memcpy(last, p + at, length - at);
        mix(last);
    }
    std::uint64_t h = lanes[0];
    for (int i = 1; i < 4; ++i)
        h = (h ^ (lanes[i] >> 29) ^ (lanes[i] << 35)) * 0xC4CEB9FE1A85EC53u;
    key = h ^ (h >> 32);
    return Key::Found;
}

AttributeTailCache::Entry *AttributeTailCache::find(std::uint64_t key, int from, std::string_view text)
{
    Entry &e = m_entries[key % kSlots];
    if (e.id == 0 || e.key != key || e.from != from || e.text.size() > text.size() ||
        std::memcmp(e.text.data(), text.data(), e.text.size()) != 0)
        return nullptr;
    return &e;
}

const AttributeTailCache::Entry *AttributeTailCache::insert(std::uint64_t key, int from,
                                                            std::string_view tail, const Span *spans,
                                                            std::size_t count)
{
    if (tail.size() > kMaxTailBytes)
        return nullptr;
    Entry &e = m_entries[key % kSlots];
    e.id = ++m_nextId;
    e.key = key;
    e.from = from;
    e.empty = tail.size() >= 2 && tail[tail.size() - 2] == '/';
    e.text.assign(tail);
    e.attributes.assign(std::size_t(from) + count, XmlAttribute{});
    const char *t = e.text.data();
    for (std::size_t i = 0; i < count; ++i) {
        const Span &s = spans[i];
        e.attributes[std::size_t(from) + i] = {std::string_view(t + s.nameStart, s.nameEnd - s.nameStart),
                                               std::string_view(t + s.valueStart, s.valueEnd - s.valueStart)};
    }
    return &e;
}

} // namespace cellvex
