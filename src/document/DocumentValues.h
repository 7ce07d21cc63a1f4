#pragma once

#include "common/Colors.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace cellvex {

// How the report document writes single values: integers in signed decimal,
// colours as signed 32-bit Windows colour values (system colours come out
// negative), flags as "1" and "0".

inline const char *flagText(bool on)
{
    return on ? "1" : "0";
}
// Only "1" is true; anything else, absence included, is false.
inline bool flagValue(std::string_view text)
{
    return text == "1";
}
inline std::int64_t colorValue(ColorRef c)
{
    return std::int32_t(c);
}

// A decimal integer, blanks around it allowed; nothing for anything else.
std::optional<std::int64_t> parseDocumentInteger(std::string_view text);

// Reads integer attribute values with the bounds the field allows; a value
// that is absent keeps the given default. Failures throw ReportError naming
// the element (`where`) and the attribute.
class ValueReader
{
public:
    // `where` words the element for messages; it is only called on failure,
    // so reading a million cells builds no million descriptions.
    using Describe = std::function<QString()>;
    explicit ValueReader(QString where) : m_where([w = std::move(where)] { return w; }) {}
    explicit ValueReader(Describe where) : m_where(std::move(where)) {}

    QString where() const { return m_where(); }
    std::int32_t int32(std::string_view attribute, std::string_view text) const;
    std::int32_t int32InRange(std::string_view attribute, std::string_view text, std::int32_t min,
                              std::int32_t max) const;
    ColorRef color(std::string_view attribute, std::string_view text) const;
    // A text value; refused when it holds a character no document can carry
    // (one that came in as a character reference), since it could never be
    // saved again.
    QString text(std::string_view attribute, std::string_view utf8) const;
    [[noreturn]] void fail(std::string_view attribute, const QString &problem) const;

private:
    Describe m_where;
};

// A text split into lines at CR, LF or CR LF and joined again with CR LF
// after every line, the last one included ("a" becomes "a\r\n"; empty stays
// empty). Lists and scripts are held in this form.
QString joinedLines(const QString &text);

} // namespace cellvex
