#include "AnsiXmlText.h"

#include "common/GbkCodec.h"
#include "document/XmlCharacters.h"

#include <array>
#include <charconv>

namespace cellvex {

namespace {

// What an ASCII character becomes: null for itself.
using Escapes = std::array<const char *, 128>;

constexpr const char *kControlReferences[32] = {
    "&#00;", "&#01;", "&#02;", "&#03;", "&#04;", "&#05;", "&#06;", "&#07;", "&#08;", "&#09;", "&#10;",
    "&#11;", "&#12;", "&#13;", "&#14;", "&#15;", "&#16;", "&#17;", "&#18;", "&#19;", "&#20;", "&#21;",
    "&#22;", "&#23;", "&#24;", "&#25;", "&#26;", "&#27;", "&#28;", "&#29;", "&#30;", "&#31;"};

constexpr Escapes attributeEscapes()
{
    Escapes e{};
    for (int c = 0; c < 32; ++c)
        e[size_t(c)] = kControlReferences[c];
    e['&'] = "&amp;";
    e['<'] = "&lt;";
    e['"'] = "&quot;";
    return e;
}

constexpr Escapes textEscapes()
{
    Escapes e{};
    for (int c = 0; c < 32; ++c)
        if (c != '\t')
            e[size_t(c)] = kControlReferences[c];
    e['&'] = "&amp;";
    e['<'] = "&lt;";
    e['>'] = "&gt;";
    return e;
}

constexpr Escapes kAttributeEscapes = attributeEscapes();
constexpr Escapes kTextEscapes = textEscapes();

void appendReference(std::string &out, char32_t c)
{
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, std::uint32_t(c)).ptr;
    out += "&#";
    out.append(digits, size_t(end - digits));
    out += ';';
}

bool isXmlChar(char16_t c)
{
    return (c >= 0x20 && c < 0xD800) || c == 0x9 || c == 0xA || c == 0xD || (c >= 0xE000 && c <= 0xFFFD);
}

} // namespace

qsizetype AnsiXmlText::appendChecked(std::string &out, QStringView text, Context context)
{
    const Escapes &escapes = context == Context::Attribute ? kAttributeEscapes : kTextEscapes;
    const GbkCodec &codec = GbkCodec::instance();
    const char16_t *s = text.utf16();
    const qsizetype n = text.size();
    out.reserve(out.size() + size_t(n) + 16);
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = s[i];
        if (c < 0x80) {
            if (const char *escape = escapes[c]) {
                if (!isXmlChar(c))
                    return i;
                out += escape;
            } else {
                out += char(c);
            }
            continue;
        }
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(s[i + 1])) {
            appendReference(out, QChar::surrogateToUcs4(c, s[i + 1]));
            ++i;
            continue;
        }
        if (!isXmlChar(c))
            return i;
        const std::uint16_t code = codec.codeOf(c);
        if (code == 0) {
            appendReference(out, c);
        } else if (code < 0x100) {
            out += char(code);
        } else {
            out += char(code >> 8);
            out += char(code & 0xFF);
        }
    }
    return -1;
}

void AnsiXmlText::appendAsciiAttribute(std::string &out, QByteArrayView ascii)
{
    out.reserve(out.size() + size_t(ascii.size()) + size_t(ascii.size() / 38) * 8);
    for (const char ch : ascii) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80 && kAttributeEscapes[c])
            out += kAttributeEscapes[c];
        else
            out += ch;
    }
}

void AnsiXmlText::fail(const QString &what, QChar c)
{
    throwNonXmlChar(what, c);
}

} // namespace cellvex
