#include "FontTable.h"

#include "common/Fonts.h"

namespace cellvex {

size_t qHash(const FontAttributes &f, size_t seed)
{
    return qHashMulti(seed, f.name, f.size, f.color, f.charset, f.bold, f.italic, f.underline, f.strikeOut);
}

FontTable::FontTable()
{
    reset();
}

FontAttributes FontTable::defaultAttributes()
{
    FontAttributes s;
    s.name = kDefaultFontName;
    return s;
}

void FontTable::reset()
{
    m_entries.clear();
    m_resolved.clear();
    m_index.clear();
    intern(defaultAttributes()); // id 0 is the default cell font
}

std::uint32_t FontTable::intern(const FontAttributes &attrs)
{
    auto it = m_index.constFind(attrs);
    if (it != m_index.constEnd())
        return it.value();
    const auto id = std::uint32_t(m_entries.size());
    m_entries.push_back(attrs);
    m_resolved.emplace_back();
    m_index.insert(attrs, id);
    return id;
}

const FontAttributes &FontTable::attributes(std::uint32_t id) const
{
    return id < m_entries.size() ? m_entries[id] : m_entries[0];
}

const QFont &FontTable::font(std::uint32_t id) const
{
    if (id >= m_entries.size())
        id = 0;
    auto &slot = m_resolved[id];
    if (!slot) {
        const FontAttributes &s = m_entries[id];
        slot = std::make_unique<Resolved>();
        slot->font = reportFont(s.name, s.size, s.bold, s.italic, s.underline, s.strikeOut);
    }
    return slot->font;
}

const QFontMetrics &FontTable::metrics(std::uint32_t id) const
{
    if (id >= m_entries.size())
        id = 0;
    font(id);
    auto &slot = m_resolved[id];
    if (!slot->metrics)
        slot->metrics.emplace(slot->font);
    return *slot->metrics;
}

} // namespace cellvex
