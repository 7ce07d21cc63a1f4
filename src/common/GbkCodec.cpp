#include "GbkCodec.h"

#include <QString>
#include <QStringDecoder>

#include <cstdint>
#include <cstring>

namespace cellvex {

namespace {

constexpr int kLeadFirst = 0x81;
constexpr int kLeadLast = 0xFE;
constexpr int kTrailFirst = 0x40;
constexpr int kTrailLast = 0xFE;
constexpr int kTrails = kTrailLast - kTrailFirst + 1;

// The one character `bytes` decode to, or 0 when they are not exactly one
// valid character.
std::uint16_t decodeOne(QByteArrayView bytes)
{
    QStringDecoder decoder("GBK", QStringConverter::Flag::Stateless);
    const QString s = decoder.decode(bytes);
    if (decoder.hasError() || s.size() != 1 || s[0].isSurrogate() || s[0] == QChar::ReplacementCharacter)
        return 0;
    return s[0].unicode();
}

// Copies the run of ASCII bytes at p, which both encodings share, and
// returns where it ends.
const unsigned char *appendAsciiRun(const unsigned char *p, const unsigned char *end, QByteArray &out)
{
    const unsigned char *run = p;
    while (p < end && *p < 0x80)
        ++p;
    if (p > run)
        out.append(reinterpret_cast<const char *>(run), p - run);
    return p;
}

void appendReference(QByteArray &out, char32_t c)
{
    out.append("&#");
    out.append(QByteArray::number(quint32(c)));
    out.append(';');
}

} // namespace

const GbkCodec &GbkCodec::instance()
{
    static const GbkCodec codec;
    return codec;
}

GbkCodec::GbkCodec() : m_fromUnicode(0x10000, 0), m_fromPairs(size_t(kLeadLast - kLeadFirst + 1) * kTrails, 0)
{
    for (int lead = kLeadFirst; lead <= kLeadLast; ++lead)
        for (int trail = kTrailFirst; trail <= kTrailLast; ++trail) {
            const char pair[2] = {char(lead), char(trail)};
            const std::uint16_t code = decodeOne(QByteArrayView(pair, 2));
            if (!code)
                continue;
            m_fromPairs[size_t((lead - kLeadFirst) * kTrails + (trail - kTrailFirst))] = code;
            // The first pair that gives a character is the one encoding it.
            if (!m_fromUnicode[code])
                m_fromUnicode[code] = std::uint16_t((lead << 8) | trail);
        }
    for (int b = 0x80; b <= 0xFF; ++b) {
        if (b >= kLeadFirst && b <= kLeadLast)
            continue; // a lead byte is never a character on its own
        const char single = char(b);
        const std::uint16_t code = decodeOne(QByteArrayView(&single, 1));
        m_fromSingle[b - 0x80] = code;
        if (code && !m_fromUnicode[code])
            m_fromUnicode[code] = std::uint16_t(b);
    }
}

void GbkCodec::appendUtf8AsGbk(QByteArrayView utf8, QByteArray &out) const
{
    out.reserve(out.size() + utf8.size());
    const auto *p = reinterpret_cast<const unsigned char *>(utf8.data());
    const auto *end = p + utf8.size();
    while (p < end) {
        p = appendAsciiRun(p, end, out);
        if (p == end)
            break;
        char32_t c = 0;
        int extra = 0;
        if (*p >= 0xF0) {
            c = *p & 0x07;
            extra = 3;
        } else if (*p >= 0xE0) {
            c = *p & 0x0F;
            extra = 2;
        } else {
            c = *p & 0x1F;
            extra = 1;
        }
        ++p;
        for (; extra > 0 && p < end; --extra, ++p)
            c = (c << 6) | (*p & 0x3F);
        const std::uint16_t bytes = c < 0x10000 ? m_fromUnicode[c] : 0;
        if (bytes == 0)
            appendReference(out, c);
        else if (bytes < 0x100)
            out.append(char(bytes));
        else {
            out.append(char(bytes >> 8));
            out.append(char(bytes & 0xFF));
        }
    }
}

qsizetype GbkCodec::appendGbkAsUtf8(QByteArrayView gbk, QByteArray &out, bool final) const
{
    // Written in place: a byte of GBK takes at most three of UTF-8 (0x80 is
    // the euro sign), and most documents are ASCII runs copied eight bytes
    // at a time.
    const qsizetype start = out.size();
    out.resize(start + 3 * gbk.size());
    char *o = out.data() + start;
    const auto *p = reinterpret_cast<const unsigned char *>(gbk.data());
    const auto *end = p + gbk.size();
    qsizetype used = -1;
    for (;;) {
        while (end - p >= 8) {
            std::uint64_t word;
            std::memcpy(&word, p, 8);
            if (word & 0x8080808080808080u)
                break;
            std::memcpy(o, &word, 8);
            p += 8;
            o += 8;
        }
        while (p < end && *p < 0x80)
            *o++ = char(*p++);
        if (p == end) {
            used = gbk.size();
            break;
        }
        std::uint16_t code = 0;
        if (*p >= kLeadFirst && *p <= kLeadLast) {
            if (p + 1 == end && !final) {
                used = gbk.size() - 1;
                break;
            }
            if (p + 1 == end || p[1] < kTrailFirst || p[1] > kTrailLast)
                break;
            code = m_fromPairs[size_t((p[0] - kLeadFirst) * kTrails + (p[1] - kTrailFirst))];
            p += 2;
        } else {
            code = m_fromSingle[*p - 0x80];
            ++p;
        }
        if (code == 0)
            break;
        if (code < 0x80) {
            *o++ = char(code);
        } else if (code < 0x800) {
            *o++ = char(0xC0 | (code >> 6));
            *o++ = char(0x80 | (code & 0x3F));
        } else {
            *o++ = char(0xE0 | (code >> 12));
            *o++ = char(0x80 | ((code >> 6) & 0x3F));
            *o++ = char(0x80 | (code & 0x3F));
        }
    }
    out.resize(o - out.data());
    return used;
}

} // namespace cellvex
