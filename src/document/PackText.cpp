#include "PackText.h"

#include "document/ZlibDeflater.h"
#include "document/ZlibInflate.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace cellvex {

namespace {

constexpr qsizetype kLineLength = 76;

bool isBase64Char(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' ||
           c == '/' || c == '=';
}

} // namespace

QByteArray packText(QByteArrayView bytes)
{
    ZlibDeflater deflater;
    deflater.write(bytes);
    return base64Lines(deflater.finish(), "\r\n");
}

QByteArray base64Lines(QByteArrayView bytes, QByteArrayView lineBreak)
{
    // One pass into the final buffer: a line of 76 characters is 57 bytes.
    static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    constexpr qsizetype kLineBytes = kLineLength / 4 * 3;
    const qsizetype chars = (bytes.size() + 2) / 3 * 4;
    // A break follows every complete line of input: 55 or 56 bytes past the
    // last one already fill 76 characters once padded, yet end no line.
    const qsizetype breaks = bytes.size() / kLineBytes;
    QByteArray out(chars + breaks * lineBreak.size(), Qt::Uninitialized);
    char *o = out.data();
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *end = p + bytes.size();
    auto encodeGroups = [&](const unsigned char *stop) {
        for (; p + 3 <= stop; p += 3) {
            const std::uint32_t v = std::uint32_t(p[0]) << 16 | std::uint32_t(p[1]) << 8 | p[2];
            *o++ = kAlphabet[v >> 18];
            *o++ = kAlphabet[(v >> 12) & 63];
            *o++ = kAlphabet[(v >> 6) & 63];
            *o++ = kAlphabet[v & 63];
        }
    };
    while (end - p >= kLineBytes) {
        encodeGroups(p + kLineBytes);
        o = std::copy(lineBreak.begin(), lineBreak.end(), o);
    }
    encodeGroups(end);
    if (end - p > 0) {
        const bool two = end - p == 2;
        const std::uint32_t v = std::uint32_t(p[0]) << 16 | (two ? std::uint32_t(p[1]) << 8 : 0);
        *o++ = kAlphabet[v >> 18];
        *o++ = kAlphabet[(v >> 12) & 63];
        *o++ = two ? kAlphabet[(v >> 6) & 63] : '=';
        *o++ = '=';
    }
    return out;
}

QByteArray base64Data(QByteArrayView text)
{
    QByteArray alphabet;
    alphabet.reserve(text.size());
    for (char c : text)
        if (isBase64Char(c))
            alphabet.append(c);
    return QByteArray::fromBase64(alphabet);
}

QByteArray unpackText(QByteArrayView text, qsizetype maxBytes)
{
    return inflateZlib(base64Data(text), maxBytes);
}

QByteArray storedFormOf(QByteArrayView packed)
{
    QByteArray out = packed.toByteArray();
    for (char &c : out)
        if (c == '\r' || c == '\n')
            c = '-';
    return out;
}

QByteArray packedFromStoredForm(QByteArrayView stored)
{
    QByteArray out(stored.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < stored.size(); ++i) {
        if (stored[i] == '-') {
            out[i] = '\r';
            if (i + 1 < stored.size())
                out[++i] = '\n';
        } else {
            out[i] = stored[i];
        }
    }
    return out;
}

QByteArray base64DataOfStoredForm(QByteArrayView stored)
{
    // A "-" and the character after it are a line break, which Base64
    // skips; so is every character outside the alphabet, "=" included.
    static const std::array<std::int8_t, 256> kValues = [] {
        std::array<std::int8_t, 256> v;
        v.fill(-1);
        static constexpr char kAlphabet[] =
            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
        for (int i = 0; i < 64; ++i)
            v[static_cast<unsigned char>(kAlphabet[i])] = std::int8_t(i);
        return v;
    }();
    QByteArray out(stored.size() / 4 * 3 + 3, Qt::Uninitialized);
    char *o = out.data();
    std::uint32_t bits = 0;
    int count = 0;
    const auto *p = reinterpret_cast<const unsigned char *>(stored.data());
    const auto *end = p + stored.size();
    for (; p < end; ++p) {
        if (*p == '-') {
            if (++p == end)
                break;
            continue;
        }
        const int v = kValues[*p];
        if (v < 0)
            continue;
        bits = bits << 6 | std::uint32_t(v);
        if (++count == 4) {
            *o++ = char(bits >> 16);
            *o++ = char(bits >> 8);
            *o++ = char(bits);
            bits = 0;
            count = 0;
        }
    }
    // Two or three characters left make one or two more bytes.
    if (count >= 2)
        *o++ = char(bits >> (count == 2 ? 4 : 10));
    if (count == 3)
        *o++ = char(bits >> 2);
    out.truncate(o - out.constData());
    return out;
}

} // namespace cellvex
