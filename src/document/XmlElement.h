#pragma once

#include <QString>

#include <pugixml.hpp>

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace cellvex {

// One element of an XmlDocument: a light handle that is copied by value and
// stays valid while its document lives. Names are ASCII; values are Unicode
// text stored as UTF-8 by the library.
class XmlElement
{
public:
    XmlElement() = default;
    explicit XmlElement(pugi::xml_node node) : m_node(node) {}

    bool isNull() const { return !m_node; }
    QString name() const;

    // --- building ------------------------------------------------------------------
    // A new element appended after the existing children.
    XmlElement addChild(const char *name);
    // Throws ReportError when the text holds a character XML cannot carry:
    // the attribute would not come back from parsing as written.
    void setAttribute(const char *name, const QString &value);
    void setAttribute(const char *name, std::int64_t value);
    // A value that is already UTF-8 (numbers, flags, packed pictures).
    void setAttributeUtf8(const char *name, std::string_view value);
    // The element's text content; throws like setAttribute.
    void setText(const QString &text);
    void setTextUtf8(std::string_view text);

    // --- reading -------------------------------------------------------------------
    // The value, or nothing when the attribute is absent.
    std::optional<QString> attribute(const char *name) const;
    QString text() const;
    // The child elements in document order (text and comments left out).
    std::vector<XmlElement> children() const;
    XmlElement firstChild() const;

    pugi::xml_node node() const { return m_node; }

private:
    pugi::xml_node m_node;
};

// A UTF-8 value of the library as text.
inline QString xmlValueText(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace cellvex
