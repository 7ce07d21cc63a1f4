#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <vector>

namespace cellvex {

// Table-driven conversion between UTF-8 and the GBK code page (the report's
// ANSI code page). The tables are taken once from the system's GBK
// converter (every valid byte pair decoded), so the results are the
// converter's own; only the per-character call into it is saved, which
// dominates for document texts of hundreds of megabytes.
class GbkCodec
{
public:
    static const GbkCodec &instance();

    // UTF-8 (as the XML library writes it) to GBK. A character the code
    // page lacks becomes a numeric character reference "&#N;".
    void appendUtf8AsGbk(QByteArrayView utf8, QByteArray &out) const;
    // GBK to UTF-8. Returns how many bytes were converted, or -1 when the
    // bytes are not valid GBK. Unless `final`, a lead byte at the very end
    // is left for the next piece, which holds its second byte.
    qsizetype appendGbkAsUtf8(QByteArrayView gbk, QByteArray &out, bool final) const;

    // The bytes of a BMP character other than ASCII: 0 when the code page
    // lacks it, below 0x100 for a single byte, else lead << 8 | trail.
    std::uint16_t codeOf(char16_t c) const { return m_fromUnicode[c]; }

private:
    GbkCodec();

    std::vector<std::uint16_t> m_fromUnicode; // BMP code -> bytes (hi, lo), 0 when none
    std::vector<std::uint16_t> m_fromPairs;   // (lead - 0x81) * 191 + (trail - 0x40) -> code, 0 when invalid
    std::uint16_t m_fromSingle[128] = {};     // bytes 0x80..0xFF on their own -> code, 0 when invalid
};

} // namespace cellvex
