#include "PlainXmlText.h"

#include <algorithm>
#include <string_view>

namespace cellvex::plainxml {

namespace {

bool isXmlChar(std::uint32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

} // namespace

int utf8Length(const unsigned char *p, qsizetype available)
{
    const unsigned char lead = p[0];
    int length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return -1;
    }
    if (available < length)
        return 0;
    if (p[1] < low || p[1] > high)
        return -1;
    for (int i = 2; i < length; ++i)
        if (p[i] < 0x80 || p[i] > 0xBF)
            return -1;
    // U+FFFE and U+FFFF are no XML characters.
    if (lead == 0xEF && p[1] == 0xBF && p[2] >= 0xBE)
        return -1;
    return length;
}

int referenceLength(const char *p, qsizetype available, std::uint32_t &code)
{
    if (available < 3)
        return 0;
    if (p[1] == '#') {
        const bool hex = p[2] == 'x';
        const int first = hex ? 3 : 2;
        const int maxDigits = hex ? 6 : 7;
        code = 0;
        int i = first;
        for (; i < available && i <= first + maxDigits; ++i) {
            const char c = p[i];
            std::uint32_t digit = 0;
            if (c >= '0' && c <= '9')
                digit = std::uint32_t(c - '0');
            else if (hex && c >= 'a' && c <= 'f')
                digit = std::uint32_t(c - 'a' + 10);
            else if (hex && c >= 'A' && c <= 'F')
                digit = std::uint32_t(c - 'A' + 10);
            else
                break;
            code = code * (hex ? 16 : 10) + digit;
        }
        if (i == available)
            return 0;
        if (i == first || i - first > maxDigits || p[i] != ';' || !isXmlChar(code))
            return -1;
        return i + 1;
    }
    struct Entity
    {
        std::string_view name;
        char character;
    };
    static constexpr Entity kEntities[] = {
        {"amp;", '&'}, {"lt;", '<'}, {"gt;", '>'}, {"quot;", '"'}, {"apos;", '\''}};
    const std::string_view rest(p + 1, size_t(std::min<qsizetype>(available - 1, 5)));
    for (const Entity &e : kEntities) {
        if (rest.substr(0, e.name.size()) == e.name) {
            code = std::uint8_t(e.character);
            return int(e.name.size()) + 1;
        }
        if (rest.size() < e.name.size() && e.name.substr(0, rest.size()) == rest)
            return 0;
    }
    return -1;
}

char *putUtf8(char *out, std::uint32_t c)
{
    if (c < 0x80) {
        *out++ = char(c);
    } else if (c < 0x800) {
        *out++ = char(0xC0 | c >> 6);
        *out++ = char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *out++ = char(0xE0 | c >> 12);
        *out++ = char(0x80 | ((c >> 6) & 0x3F));
        *out++ = char(0x80 | (c & 0x3F));
    } else {
        *out++ = char(0xF0 | c >> 18);
        *out++ = char(0x80 | ((c >> 12) & 0x3F));
        *out++ = char(0x80 | ((c >> 6) & 0x3F));
        *out++ = char(0x80 | (c & 0x3F));
    }
    return out;
}

char *resolveReferences(char *from, const char *to)
{
    char *out = from;
    for (const char *p = from; p < to;) {
        std::uint32_t code = 0;
        if (*p == '&') {
            p += referenceLength(p, to - p, code);
            out = putUtf8(out, code);
        } else {
            *out++ = *p++;
        }
    }
    return out;
}

} // namespace cellvex::plainxml
