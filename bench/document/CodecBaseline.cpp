#include "CodecBaseline.h"

#include <zlib.h>

#include <stdexcept>

namespace cellvex::bench {

QByteArray deflateAndBase64(const QByteArray &text)
{
    z_stream z{};
    if (deflateInit(&z, Z_DEFAULT_COMPRESSION) != Z_OK)
        throw std::runtime_error("deflateInit");
    QByteArray compressed(qsizetype(deflateBound(&z, uLong(text.size()))), Qt::Uninitialized);
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(text.constData()));
    z.avail_in = uInt(text.size());
    z.next_out = reinterpret_cast<Bytef *>(compressed.data());
    z.avail_out = uInt(compressed.size());
    const int rc = deflate(&z, Z_FINISH);
    compressed.resize(qsizetype(z.total_out));
    deflateEnd(&z);
    if (rc != Z_STREAM_END)
        throw std::runtime_error("deflate");
    return compressed.toBase64();
}

QByteArray base64AndInflate(const QByteArray &stored, qsizetype textSize)
{
    const QByteArray compressed = QByteArray::fromBase64(stored);
    QByteArray text(textSize, Qt::Uninitialized);
    uLongf size = uLongf(textSize);
    if (uncompress(reinterpret_cast<Bytef *>(text.data()), &size,
                   reinterpret_cast<const Bytef *>(compressed.constData()),
                   uLong(compressed.size())) != Z_OK ||
        qsizetype(size) != textSize)
        throw std::runtime_error("inflate");
    return text;
}

} // namespace cellvex::bench
