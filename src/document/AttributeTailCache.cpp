#include "AttributeTailCache.h"

#include <cstring>

namespace cellvex {

namespace {

constexpr std::uint64_t kOnes = 0x0101010101010101u;
constexpr std::uint64_t kHighs = 0x8080808080808080u;
constexpr std::uint64_t kGreaters = kOnes * '>';

// Four multiplicative lanes taking the words in turn, so that the
// multiplications overlap.
struct Mixer
{
    std::uint64_t lanes[4] = {0x9E3779B97F4A7C15u, 0xC2B2AE3D27D4EB4Fu, 0x165667B19E3779F9u,
                              0x27D4EB2F165667C5u};
    unsigned next = 0;
    void add(std::uint64_t word)
    {
        std::uint64_t &lane = lanes[next++ & 3];
        lane = (lane ^ word) * 0xFF51AFD7ED558CCDu;
    }
    std::uint64_t result() const
    {
        std::uint64_t h = lanes[0];
        for (int i = 1; i < 4; ++i)
            h = (h ^ (lanes[i] >> 29) ^ (lanes[i] << 35)) * 0xC4CEB9FE1A85EC53u;
        return h ^ (h >> 32);
    }
};

} // namespace

AttributeTailCache::Key AttributeTailCache::keyOf(std::string_view text, int from, std::uint64_t &key)
{
    const bool cut = text.size() > kMaxTailBytes;
    text = text.substr(0, kMaxTailBytes);
    // The words up to the first ">", found eight bytes at a time: a zero
    // byte of word ^ ">>>>>>>>" is a ">"; the lowest flag is exact.
    Mixer mixer;
    mixer.add(std::uint64_t(from));
    const char *p = text.data();
    const char *const end = p + text.size();
    for (; end - p >= 8; p += 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        const std::uint64_t x = word ^ kGreaters;
        const std::uint64_t found = (x - kOnes) & ~x & kHighs;
        if (found) {
            const int bytes = __builtin_ctzll(found) / 8 + 1; // through the ">"
            mixer.add(bytes == 8 ? word : word & ((std::uint64_t(1) << (8 * bytes)) - 1));
            key = mixer.result();
            return Key::Found;
        }
        mixer.add(word);
    }
    std::uint64_t word = 0;
    for (int i = 0; p < end; ++p, ++i) {
        word |= std::uint64_t(std::uint8_t(*p)) << (8 * i);
        if (*p == '>') {
            mixer.add(word);
            key = mixer.result();
            return Key::Found;
        }
    }
    return cut ? Key::TooLong : Key::NeedMore;
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
