#pragma once

#include <QFont>
#include <QString>

namespace cellvex {

// Family names the reports use that Linux does not have are mapped once to
// installed fonts; the stored names never change.
inline const QString kDefaultFontName = QStringLiteral("宋体");

// Installs the substitutions, and raises the glyph cache limit for the
// large text of printer resolutions (see raiseGlyphCacheLimit). Call it once
// the application object exists; later calls do nothing.
void installFontSubstitutions();

// Qt fills glyphs above 64 pixels as paths instead of caching them; a 9 point
// font at 600 dpi is 75 pixels, which makes a printed page of text some thirty
// times slower to draw into an image. The limit is read once, at the first
// text drawn, so this only helps before that; a limit the user set is kept.
void raiseGlyphCacheLimit();

// A font as the report asks for it: family kept as given, size in points.
QFont reportFont(const QString &family, int pointSize, bool bold = false, bool italic = false,
                 bool underline = false, bool strikeOut = false);

} // namespace cellvex
