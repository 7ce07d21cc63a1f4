#pragma once

#include <QByteArray>

namespace cellvex::bench {

// What the stored form costs at the least: the codec alone on the same
// bytes, with no document work around it.

// One zlib stream at the default level, then Base64 without line breaks.
QByteArray deflateAndBase64(const QByteArray &text);
// Base64 decoding (other characters skipped), then inflating into a buffer
// of the known text size.
QByteArray base64AndInflate(const QByteArray &stored, qsizetype textSize);

} // namespace cellvex::bench
