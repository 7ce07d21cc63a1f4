#pragma once

#include <QString>
#include <cstdint>

namespace cellvex {

// Caption of column number n (1-based): A..Z, AA..ZZ, AAA.. — bijective base 26.
QString columnLabel(std::int64_t n);

// Caption of row number n (1-based).
QString rowLabel(std::int64_t n);

} // namespace cellvex
