#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace cellvex {

// The packing shared by stored reports, pictures inside documents and the
// cell-range texts of the clipboard: a zlib stream at the default level,
// encoded in standard Base64 (never the URL alphabet: "-" is a line-break
// marker in stored forms) with CR LF after every complete line of 76
// characters and none after a shorter last line.

QByteArray packText(QByteArrayView bytes);

// Base64 of `bytes` with `lineBreak` after every complete 76-character line.
QByteArray base64Lines(QByteArrayView bytes, QByteArrayView lineBreak);

// The bytes of a Base64 text, skipping every character outside the Base64
// alphabet; whether they make sense is for the zlib stream's checks to say.
QByteArray base64Data(QByteArrayView text);

// Decodes the Base64 text, skipping every character outside the Base64
// alphabet (line breaks in particular), and inflates the zlib stream
// completely. Throws ReportError for data that is not a complete zlib stream
// or inflates beyond maxBytes.
QByteArray unpackText(QByteArrayView text, qsizetype maxBytes);

// The stored form of a packed text: every CR and every LF becomes "-", so a
// line break is the pair "--" and the whole is one line of printable ASCII.
QByteArray storedFormOf(QByteArrayView packed);

// Back from the stored form: each "-" becomes CR and the character after it
// LF. Only line breaks can be told from the stored form, so a lone "-" takes
// the character that follows it with it.
QByteArray packedFromStoredForm(QByteArrayView stored);

// base64Data(packedFromStoredForm(stored)) in one pass.
QByteArray base64DataOfStoredForm(QByteArrayView stored);

} // namespace cellvex
