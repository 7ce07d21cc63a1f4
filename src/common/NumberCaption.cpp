#include "common/NumberCaption.h"

#include <charconv>
#include <cstdint>
#include <string>

namespace cellvex {

namespace {

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool isExponentLetter(char16_t c)
{
    return c == u'e' || c == u'E';
}

bool isSign(char16_t c)
{
    return c == u'+' || c == u'-';
}

// The shape test alone; `exponentAt` receives the place of the exponent
// letter, or -1.
bool hasNumberShape(QStringView t, qsizetype &exponentAt)
{
    exponentAt = -1;
    if (t.isEmpty())
        return false;
    const char16_t first = t[0].unicode();
    if (!isSign(first) && first != u'.' && !isDigit(first))
        return false;
    if (isSign(first) && (t.size() == 1 || isExponentLetter(t[1].unicode())))
        return false;
    bool point = first == u'.';
    for (qsizetype i = 1; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        if (isDigit(c))
            continue;
        if (c == u'.') {
            if (point || exponentAt >= 0)
                return false;
            point = true;
        } else if (isExponentLetter(c)) {
            if (exponentAt >= 0)
                return false;
            exponentAt = i;
        } else if (isSign(c)) {
            if (exponentAt != i - 1)
                return false;
        } else {
            return false;
        }
    }
    return true;
}

// Decimal place of the first significant digit of a mantissa with a nonzero
// digit (1 for "5", 0 for ".5", -1 for ".05"), plus the exponent: positive
// when a value outside the double range overflows, not positive when it
// underflows.
std::int64_t magnitude(QStringView mantissa, QStringView exponent)
{
    std::int64_t place = 0;
    bool significant = false;
    bool afterPoint = false;
    for (const QChar ch : mantissa) {
        const char16_t c = ch.unicode();
        if (c == u'.') {
            afterPoint = true;
        } else if (isDigit(c)) {
            significant = significant || c != u'0';
            if (!afterPoint && significant)
                ++place;
            else if (afterPoint && !significant)
                --place;
        }
    }
    std::int64_t e = 0;
    bool negative = false;
    for (const QChar ch : exponent) {
        const char16_t c = ch.unicode();
        if (c == u'-')
            negative = true;
        else if (isDigit(c) && e < 1000000000)
            e = e * 10 + (c - u'0');
    }
    return place + (negative ? -e : e);
}

bool hasDigit(QStringView t)
{
    for (const QChar c : t)
        if (isDigit(c.unicode()))
            return true;
    return false;
}

} // namespace

CaptionNumber readCaptionNumber(QStringView text, double &value)
{
    qsizetype exponentAt = -1;
    if (!hasNumberShape(text, exponentAt))
        return CaptionNumber::NotNumeric;
    const QStringView mantissa = exponentAt >= 0 ? text.first(exponentAt) : text;
    const QStringView exponent = exponentAt >= 0 ? text.sliced(exponentAt) : QStringView();
    if (!hasDigit(mantissa) || (exponentAt >= 0 && !hasDigit(exponent)))
        return CaptionNumber::Unreadable;

    // The shape test left only ASCII, so the text converts one to one; the
    // parser takes no leading "+". Captions are short: a stack buffer saves
    // an allocation on every cell an aggregate reads.
    const QStringView digits = text[0] == u'+' ? text.sliced(1) : text;
    char local[64];
    std::string heap;
    char *buffer = local;
    if (digits.size() > qsizetype(sizeof local)) {
        heap.resize(size_t(digits.size()));
        buffer = heap.data();
    }
    for (qsizetype i = 0; i < digits.size(); ++i)
        buffer[i] = char(digits[i].unicode());
    double v = 0;
    const auto [end, ec] = std::from_chars(buffer, buffer + digits.size(), v);
    if (ec == std::errc::result_out_of_range) {
        if (magnitude(mantissa, exponent) > 0)
            return CaptionNumber::NotNumeric; // overflows to infinity
        value = text[0] == u'-' ? -0.0 : 0.0;
        return CaptionNumber::Number;
    }
    if (ec != std::errc() || end != buffer + digits.size())
        return CaptionNumber::Unreadable;
    value = v;
    return CaptionNumber::Number;
}

bool isNumberText(QStringView text)
{
    double ignored = 0;
    return readCaptionNumber(text, ignored) != CaptionNumber::NotNumeric;
}

} // namespace cellvex
