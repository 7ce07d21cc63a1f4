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
struct FontSpec
{
    QString name;
    int size = 9;
    ColorRef color = 0;
    int charset = 1;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const FontSpec &o) const = default;
};

size_t qHash(const FontSpec &f, size_t seed = 0);

// Interns the fonts of a report: every cell holds a small id, cells with the
// same font share one entry, and the QFont with its metrics is built once.
class FontTable
{
public:
    FontTable();

    static FontSpec defaultSpec();

    std::uint32_t intern(const FontSpec &spec);
    const FontSpec &spec(std::uint32_t id) const;
    const QFont &font(std::uint32_t id) const;
    const QFontMetrics &metrics(std::uint32_t id) const;
    size_t size() const { return m_specs.size(); }
    void reset();

private:
    struct Resolved
    {
        QFont font;
        std::optional<QFontMetrics> metrics;
    };
    std::vector<FontSpec> m_specs;
    mutable std::vector<std::unique_ptr<Resolved>> m_resolved;
    QHash<FontSpec, std::uint32_t> m_index;
};

} // namespace cellvex
