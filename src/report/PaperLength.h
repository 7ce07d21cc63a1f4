#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace cellvex {

// A length on paper as the report holds it: the millimetre text the user gave
// (kept verbatim, it is what documents store) and its screen-pixel
// equivalent, which is what pagination measures with.
struct PaperLength
{
    QString text;
    std::int64_t pixels = 0;

    // Builds from a text; a text that is not a number gets 0 pixels (its
    // getter reports the failure when it is read).
    static PaperLength fromText(const QString &text, int pixelsPerInch);
    static PaperLength fromMillimetres(double mm, int pixelsPerInch);
    void recompute(int pixelsPerInch);

    bool operator==(const PaperLength &) const = default;
};

// The shortest decimal text with at most 15 significant digits and no
// trailing zeros ("20", "12.5", "1E-5"); "." is the decimal point.
QString formatMillimetres(double mm);

// The number a millimetre text holds; nothing when it is not a finite number.
std::optional<double> parseMillimetres(const QString &text);

// mm / 25.4 x pixelsPerInch, nearest integer with halves to even. Kept
// within the 32-bit coordinate range so that an absurd length cannot overflow
// the sums pagination builds from it.
std::int64_t millimetresToPixels(double mm, int pixelsPerInch);

} // namespace cellvex
