#pragma once

#include <QFont>
#include <QString>

namespace cellvex {

// Family names the reports use that Linux does not have are mapped once to
// installed fonts; the stored names never change.
inline const QString kDefaultFontName = QStringLiteral("宋体");

void installFontSubstitutions();

// A font as the report asks for it: family kept as given, size in points.
QFont reportFont(const QString &family, int pointSize, bool bold = false, bool italic = false,
                 bool underline = false, bool strikeOut = false);

} // namespace cellvex
