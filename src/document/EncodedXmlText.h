#pragma once

#include <QString>

namespace cellvex {

// The XML text with every character the named encoding cannot hold written
// as a numeric character reference ("&#128512;"), so that a reader of the
// encoded bytes gets it back instead of a "?". Markup is ASCII, so such a
// character always stands in an attribute value or element text, where a
// reference means the same. Throws ReportError for a name the system has
// no encoder for.
QString referenceUnencodable(const QString &xml, const QString &encoding);

} // namespace cellvex
