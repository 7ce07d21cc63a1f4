#pragma once

#include <QString>

namespace cellvex {

// The text rules of finding and replacing in cells. Texts are compared as
// characters, never as code-page bytes, so a match can neither start inside
// a two-byte character nor join the halves of two. Without case
// sensitivity only the ASCII capitals A-Z count as their small letters;
// every other character (full-width and accented letters included) must
// match exactly.

// The text with A-Z turned into a-z and nothing else changed; the length and
// every position stay the same.
QString asciiLower(const QString &text);

// Whole words: the texts are equal; otherwise `text` contains `pattern`.
// An empty pattern matches only an empty text, and only as a whole word.
bool textMatches(const QString &text, const QString &pattern, bool caseSensitive, bool wholeWords);

// The text after replacing. Whole words: `replacement` when the text equals
// the pattern (an empty pattern thus fills empty texts), else the text.
// Otherwise every occurrence of the pattern, found from left to right and
// resuming behind each replaced one (occurrences never overlap and the
// replacement is never searched); the text between occurrences keeps its
// letters. An empty pattern has no occurrences.
QString replacedText(const QString &text, const QString &pattern, const QString &replacement,
                     bool caseSensitive, bool wholeWords);

} // namespace cellvex
