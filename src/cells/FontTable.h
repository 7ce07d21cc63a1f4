#pragma once

#include "common/Colors.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace cellvex {

// A cell font as stored: the family name exactly as given (the window system
// may substitute another family for drawing), size in points, colour and styles.
struct FontAttributes
{
    QString name;
    int size = 9;
    ColorRef color = 0;
    int charset = 1;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const FontAttributes &o) const = default;
};

size_t qHash(const FontAttributes &f, size_t seed = 0);

// Interns the fonts of a report: every cell holds a small id, cells with the
// same font share one entry, and the QFont with its metrics is built once.
class FontTable
{
public:
    FontTable();

    static FontAttributes defaultAttributes();

    std::uint32_t intern(const FontAttributes &attrs);
    const FontAttributes &attributes(std::uint32_t id) const;
    const QFont &font(std::uint32_t id) const;
    const QFontMetrics &metrics(std::uint32_t id) const;
    size_t size() const { return m_entries.size(); }
    void reset();

private:
    struct Resolved
    {
        QFont font;
        std::optional<QFontMetrics> metrics;
    };
    std::vector<FontAttributes> m_entries;
    mutable std::vector<std::unique_ptr<Resolved>> m_resolved;
    QHash<FontAttributes, std::uint32_t> m_index;
};

} // namespace cellvex
