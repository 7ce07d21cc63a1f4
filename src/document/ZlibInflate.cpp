#include "ZlibInflate.h"

#include "common/ReportError.h"

#include <zlib.h>

#include <algorithm>
#include <limits>
#include <new>

namespace cellvex {

namespace {

struct InflateStream
{
    z_stream z{};
    InflateStream()
    {
        if (inflateInit(&z) != Z_OK)
            throw ReportError(QStringLiteral("无法初始化数据解压"));
    }
    ~InflateStream() { inflateEnd(&z); }
};

[[noreturn]] void tooLarge(qsizetype maxBytes)
{
    throw ReportError(QStringLiteral("解压后的数据超过 %1 字节的上限").arg(maxBytes));
}

} // namespace

void inflateZlibTo(QByteArrayView compressed, qsizetype maxBytes,
                   const std::function<void(QByteArrayView piece)> &sink)
{
    InflateStream s;
    z_stream &z = s.z;
    constexpr qsizetype kPiece = 1 << 20;
    constexpr qsizetype kMaxFeed = std::numeric_limits<int>::max() / 2;
    QByteArray piece(kPiece, Qt::Uninitialized);
    qsizetype consumed = 0;
    qsizetype produced = 0;
    for (;;) {
        if (z.avail_in == 0 && consumed < compressed.size()) {
            const qsizetype n = std::min(compressed.size() - consumed, kMaxFeed);
            z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(compressed.data() + consumed));
            z.avail_in = uInt(n);
            consumed += n;
        }
        z.next_out = reinterpret_cast<Bytef *>(piece.data());
        z.avail_out = uInt(kPiece);
        const int rc = inflate(&z, Z_NO_FLUSH);
        const qsizetype n = kPiece - qsizetype(z.avail_out);
        produced += n;
        if (produced > maxBytes)
            tooLarge(maxBytes);
        if (n > 0)
            sink(QByteArrayView(piece.constData(), n));
        if (rc == Z_STREAM_END)
            return;
        if (rc == Z_MEM_ERROR)
            throw std::bad_alloc();
        if (rc != Z_OK && rc != Z_BUF_ERROR)
            throw ReportError(QStringLiteral("压缩数据已损坏"));
        // Output room left and no input to give: the stream stops short of its end.
        if (z.avail_in == 0 && consumed == compressed.size() && z.avail_out != 0)
            throw ReportError(QStringLiteral("压缩数据不完整"));
    }
}

QByteArray inflateZlib(QByteArrayView compressed, qsizetype maxBytes)
{
    QByteArray out;
    inflateZlibTo(compressed, maxBytes, [&out](QByteArrayView piece) { out.append(piece); });
    return out;
}

} // namespace cellvex
