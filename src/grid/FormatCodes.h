#pragma once

namespace cellvex {

// Display format codes (FormatType) as documents and the interface store them.
// Other values are kept but accept no value.
namespace FormatCode {
constexpr int Text = 0;
constexpr int NaturalNumber = 1;
constexpr int Integer = 2;
constexpr int Real = 3;         // with a number pattern in FormatText
constexpr int Date = 6;         // with a date pattern in FormatText
constexpr int Significant = 11; // FormatText: the count of significant digits
} // namespace FormatCode

} // namespace cellvex
