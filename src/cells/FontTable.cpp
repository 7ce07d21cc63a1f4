#include "FontTable.h"

#include "common/Fonts.h"

namespace cellvex {

size_t qHash(const FontSpec &f, size_t seed)
{
    return qHashMulti(seed, f.name, f.size, f.color, f.charset, f.bold, f.italic, f.underline, f.strikeOut);
}

FontTable::FontTable()
{
    reset();
}

FontSpec FontTable::defaultSpec()
{
    FontSpec s;
    s.name = kDefaultFontName;
    return s;
}

void FontTable::reset()
{
    m_specs.clear();
    m_resolved.clear();
    m_index.clear();
    intern(defaultSpec()); // id 0 is the default cell font
}

std::uint32_t FontTable::intern(const FontSpec &spec)
{
    auto it = m_index.constFind(spec);
    if (it != m_index.constEnd())
        return it.value();
    const auto id = std::uint32_t(m_specs.size());
    m_specs.push_back(spec);
    m_resolved.emplace_back();
    m_index.insert(spec, id);
    return id;
}

const FontSpec &FontTable::spec(std::uint32_t id) const
{
    return id < m_specs.size() ? m_specs[id] : m_specs[0];
}

const QFont &FontTable::font(std::uint32_t id) const
{
    if (id >= m_specs.size())
        id = 0;
    auto &slot = m_resolved[id];
    if (!slot) {
        const FontSpec &s = m_specs[id];
        slot = std::make_unique<Resolved>();
        slot->font = reportFont(s.name, s.size, s.bold, s.italic, s.underline, s.strikeOut);
    }
    return slot->font;
}

const QFontMetrics &FontTable::metrics(std::uint32_t id) const
{
    if (id >= m_specs.size())
        id = 0;
    font(id);
    auto &slot = m_resolved[id];
    if (!slot->metrics)
        slot->metrics.emplace(slot->font);
    return *slot->metrics;
}

} // namespace cellvex
