#include "grid/NumberPattern.h"

#include "common/DecimalDigits.h"
#include "grid/NumberText.h"

#include <QStringList>

#include <array>
#include <cmath>
#include <vector>

namespace cellvex {

namespace {

bool isQuote(QChar c)
{
    return c == QLatin1Char('\'') || c == QLatin1Char('"');
}
bool isPlaceholder(QChar c)
{
    return c == QLatin1Char('0') || c == QLatin1Char('#');
}

// True when the section's character at i starts a scientific marker.
bool isExponentMarker(const QString &s, qsizetype i)
{
    const QChar c = s.at(i);
    return (c == QLatin1Char('E') || c == QLatin1Char('e')) && i + 1 < s.size() &&
           (s.at(i + 1) == QLatin1Char('+') || s.at(i + 1) == QLatin1Char('-'));
}

// Index just past a quoted run that starts at i (an unclosed quote runs to the end).
qsizetype skipQuoted(const QString &s, qsizetype i)
{
    const QChar q = s.at(i);
    qsizetype j = i + 1;
    while (j < s.size() && s.at(j) != q)
        ++j;
    return j < s.size() ? j + 1 : j;
}

QStringList splitSections(const QString &pattern)
{
    QStringList sections;
    QString current;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern.at(i);
        if (isQuote(c)) {
            const qsizetype end = skipQuoted(pattern, i);
            current.append(QStringView(pattern).mid(i, end - i));
            i = end;
        } else if (c == QLatin1Char(';')) {
            sections.append(current);
            current.clear();
            ++i;
        } else {
            current.append(c);
            ++i;
        }
    }
    sections.append(current);
    return sections;
}

// What a section asks for, gathered before the digits are placed.
struct SectionLayout
{
    int integerPlaces = 0;    // placeholders before the decimal point
    int minIntegerDigits = 0; // from the first "0" before the point on
    int decimalPlaces = 0;
    int minDecimals = 0; // up to the last "0" after the point
    bool thousands = false;
    bool scientific = false;
    bool hasPoint = false;
};

SectionLayout scanSection(const QString &s)
{
    SectionLayout l;
    int firstZero = -1;
    for (qsizetype i = 0; i < s.size();) {
        const QChar c = s.at(i);
        if (isQuote(c)) {
            i = skipQuoted(s, i);
            continue;
        }
        if (!l.scientific && isExponentMarker(s, i)) {
            l.scientific = true;
            i += 2;
            while (i < s.size() && s.at(i) == QLatin1Char('0'))
                ++i;
            continue;
        }
        if (isPlaceholder(c)) {
            if (!l.hasPoint) {
                if (c == QLatin1Char('0') && firstZero < 0)
                    firstZero = l.integerPlaces;
                ++l.integerPlaces;
            } else {
                ++l.decimalPlaces;
                if (c == QLatin1Char('0'))
                    l.minDecimals = l.decimalPlaces;
            }
        } else if (c == QLatin1Char('.')) {
            l.hasPoint = true;
        } else if (c == QLatin1Char(',')) {
            l.thousands = true;
        }
        ++i;
    }
    l.minIntegerDigits = firstZero < 0 ? 0 : l.integerPlaces - firstZero;
    return l;
}

// Writes the section with the digits in place of its placeholders.
QString render(const QString &s, const SectionLayout &l, const QString &intDigits, const QString &fraction,
               int exponent)
{
    QString out;
    const bool groups = l.thousands && !l.scientific;
    const qsizetype len = intDigits.size();
    // Digits, group separators and the section's literals: one allocation
    // instead of one per few characters appended.
    out.reserve(s.size() + len + len / 3 + fraction.size() + 8);
    auto putIntegerDigit = [&](qsizetype j) {
        out.append(intDigits.at(j));
        const qsizetype right = len - 1 - j;
        if (groups && right > 0 && right % 3 == 0)
            out.append(QLatin1Char(','));
    };
    int intSeen = 0;
    int decSeen = 0;
    bool pointSeen = false;
    bool exponentDone = false;
    bool integersDone = l.integerPlaces > 0;
    auto putAllIntegers = [&]() {
        for (qsizetype j = 0; j < len; ++j)
            putIntegerDigit(j);
    };
    for (qsizetype i = 0; i < s.size();) {
        const QChar c = s.at(i);
        if (isQuote(c)) {
            const qsizetype end = skipQuoted(s, i);
            const qsizetype closing = (end > i + 1 && s.at(end - 1) == c) ? 1 : 0;
            out.append(QStringView(s).mid(i + 1, end - i - 1 - closing));
            i = end;
            continue;
        }
        if (!exponentDone && l.scientific && isExponentMarker(s, i)) {
            exponentDone = true;
            const bool alwaysSign = s.at(i + 1) == QLatin1Char('+');
            out.append(c);
            if (exponent < 0)
                out.append(QLatin1Char('-'));
            else if (alwaysSign)
                out.append(QLatin1Char('+'));
            i += 2;
            int zeros = 0;
            while (i < s.size() && s.at(i) == QLatin1Char('0')) {
                ++zeros;
                ++i;
            }
            const QString digits = QString::number(std::abs(exponent));
            const int minDigits = std::min(zeros, 4);
            if (digits.size() < minDigits)
                out.append(QString(minDigits - digits.size(), QLatin1Char('0')));
            out.append(digits);
            continue;
        }
        if (isPlaceholder(c)) {
            if (!pointSeen) {
                if (intSeen == 0 && len > l.integerPlaces)
                    for (qsizetype j = 0; j < len - l.integerPlaces; ++j)
                        putIntegerDigit(j);
                const qsizetype j = len - l.integerPlaces + intSeen;
                if (j >= 0)
                    putIntegerDigit(j);
                ++intSeen;
            } else {
                if (decSeen < fraction.size())
                    out.append(fraction.at(decSeen));
                ++decSeen;
            }
        } else if (c == QLatin1Char('.')) {
            if (!pointSeen) {
                // A section without integer placeholders still shows the
                // integer digits, right before the point.
                if (!integersDone) {
                    putAllIntegers();
                    integersDone = true;
                }
                pointSeen = true;
                if (!fraction.isEmpty())
                    out.append(c);
            }
        } else if (c != QLatin1Char(',')) {
            out.append(c);
        }
        ++i;
    }
    return out;
}

QString formatSection(double magnitude, const QString &section, const SectionLayout &l, bool &isZero)
{
    DecimalDigits d = DecimalDigits::fromDouble(magnitude, 15);
    int exponent = 0;
    if (l.scientific) {
        d.roundToSignificant(std::max(1, l.integerPlaces + l.decimalPlaces));
        if (!d.isZero()) {
            exponent = d.pointPos() - l.integerPlaces;
            d.scaleByPowerOfTen(-exponent);
        }
    } else {
        d.roundToDecimals(l.decimalPlaces);
    }
    isZero = d.isZero();
    QString intDigits = d.integerDigits();
    if (intDigits.size() < l.minIntegerDigits)
        intDigits.prepend(QString(l.minIntegerDigits - intDigits.size(), QLatin1Char('0')));
    QString fraction = d.fractionDigits(l.decimalPlaces);
    qsizetype keep = fraction.size();
    while (keep > l.minDecimals && fraction.at(keep - 1) == QLatin1Char('0'))
        --keep;
    fraction.truncate(keep);
    return render(section, l, intDigits, fraction, exponent);
}

bool scanForExponent(const QString &pattern)
{
    for (qsizetype i = 0; i < pattern.size();) {
        if (isQuote(pattern.at(i))) {
            i = skipQuoted(pattern, i);
            continue;
        }
        if (isExponentMarker(pattern, i))
            return true;
        ++i;
    }
    return false;
}

// A pattern split into its sections, each scanned for its layout.
struct ParsedPattern
{
    QString text;
    QStringList sections;
    std::vector<SectionLayout> layouts; // one per section
    bool scientific = false;
};

void parsePattern(const QString &pattern, ParsedPattern &parsed)
{
    // Cleared first: a slot left half filled by a failed allocation answers
    // to no pattern.
    parsed.text.clear();
    parsed.sections = splitSections(pattern);
    parsed.layouts.clear();
    parsed.layouts.reserve(size_t(parsed.sections.size()));
    for (const QString &section : std::as_const(parsed.sections))
        parsed.layouts.push_back(scanSection(section));
    parsed.scientific = scanForExponent(pattern);
    // A copy of its own: the key must not follow a caller's buffer that
    // changes or goes away.
    parsed.text = QString(pattern.constData(), pattern.size());
}

// A report shows its numbers by a handful of patterns, each over many cells:
// every thread keeps the patterns it used last, parsed, rather than split and
// scan the text again for every value. Longer patterns are rare and are not
// kept, which bounds what the store holds.
constexpr qsizetype kLongestKeptPattern = 256;
constexpr size_t kKeptPatterns = 8;

const ParsedPattern *keptPattern(const QString &pattern)
{
    if (pattern.isEmpty() || pattern.size() > kLongestKeptPattern)
        return nullptr;
    thread_local std::array<ParsedPattern, kKeptPatterns> kept;
    thread_local size_t nextSlot = 0;
    for (const ParsedPattern &p : kept)
        if (p.text == pattern)
            return &p;
    ParsedPattern &slot = kept[nextSlot];
    nextSlot = (nextSlot + 1) % kKeptPatterns;
    parsePattern(pattern, slot);
    return &slot;
}

} // namespace

bool isScientificPattern(const QString &pattern)
{
    const ParsedPattern *kept = keptPattern(pattern);
    return kept ? kept->scientific : scanForExponent(pattern);
}

QString formatNumberPattern(double value, const QString &pattern)
{
    if (pattern.isEmpty() || !std::isfinite(value))
        return generalNumberText(value);
    ParsedPattern unkept;
    const ParsedPattern *parsed = keptPattern(pattern);
    if (!parsed) {
        parsePattern(pattern, unkept);
        parsed = &unkept;
    }
    const QStringList &sections = parsed->sections;
    const bool negative = value < 0;
    qsizetype used = 0;
    bool minus = negative;
    if (negative && sections.size() > 1 && !sections.at(1).isEmpty()) {
        used = 1;
        minus = false;
    }
    const QString &section = sections.at(used);
    if (section.isEmpty())
        return generalNumberText(value);
    bool isZero = false;
    QString out = formatSection(std::fabs(value), section, parsed->layouts[size_t(used)], isZero);
    if (isZero) {
        // A value that rounds to zero is shown as zero: by the zero section
        // when there is one, and never with a minus sign.
        minus = false;
        const qsizetype zeroUsed = sections.size() > 2 && !sections.at(2).isEmpty() ? 2 : 0;
        const QString &zeroSection = sections.at(zeroUsed);
        if (zeroSection.isEmpty())
            out = generalNumberText(0.0);
        else if (zeroSection != section)
            out = formatSection(0.0, zeroSection, parsed->layouts[size_t(zeroUsed)], isZero);
    }
    return minus ? QLatin1Char('-') + out : out;
}

} // namespace cellvex
