#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <functional>
#include <memory>

namespace cellvex {

// Inflates one zlib stream (RFC 1950), handing the output to a sink in
// pieces, so that a large document is never held inflated as a whole.
// Throws ReportError when the data is not a zlib stream, is damaged or
// truncated (the Adler-32 check included), or inflates to more than
// maxBytes. Bytes after the end of the stream are ignored.
void inflateZlibTo(QByteArrayView compressed, qsizetype maxBytes,
                   const std::function<void(QByteArrayView piece)> &sink);

// The whole inflated stream, with the same checks.
QByteArray inflateZlib(QByteArrayView compressed, qsizetype maxBytes);

} // namespace cellvex
