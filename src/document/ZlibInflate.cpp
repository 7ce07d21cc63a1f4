#include "ZlibInflate.h"

#include "common/ReportError.h"

#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <new>

namespace cellvex {

namespace {

// The deflate data inside the zlib wrapper. The wrapper (two bytes of
// header, the Adler-32 sum after the data) is read here: zlib's own sum is
// computed a byte at a time, the vectorised one of libdeflate takes a
// quarter of that, and a report of a million cells inflates to 260 MB.
struct InflateStream
{
    z_stream z{};
    InflateStream()
    {
        if (inflateInit2(&z, -MAX_WBITS) != Z_OK)
            throw ReportError(QStringLiteral("无法初始化数据解压"));
    }
    ~InflateStream() { inflateEnd(&z); }
};

[[noreturn]] void damaged()
{
    throw ReportError(QStringLiteral("压缩数据已损坏"));
}

[[noreturn]] void truncated()
{
    throw ReportError(QStringLiteral("压缩数据不完整"));
}

// The zlib header: deflate, a window zlib can take, the check bits right and
// no preset dictionary (which no stream of ours has). Returns its size.
qsizetype checkHeader(QByteArrayView compressed)
{
    if (compressed.size() < 2)
        truncated();
    const auto cmf = std::uint8_t(compressed[0]);
    const auto flg = std::uint8_t(compressed[1]);
    if ((cmf & 0x0F) != Z_DEFLATED || (cmf >> 4) > MAX_WBITS - 8 || (cmf * 256 + flg) % 31 != 0 ||
        (flg & 0x20))
        damaged();
    return 2;
}

// The Adler-32 sum stored big-endian after the deflate data at `at`.
void checkSum(QByteArrayView compressed, qsizetype at, std::uint32_t sum)
{
    if (compressed.size() - at < 4)
        truncated();
    const auto *b = reinterpret_cast<const std::uint8_t *>(compressed.data() + at);
    const std::uint32_t stored =
        std::uint32_t(b[0]) << 24 | std::uint32_t(b[1]) << 16 | std::uint32_t(b[2]) << 8 | b[3];
    if (stored != sum)
        damaged();
}

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
    constexpr qsizetype kPiece = 1 << 18;
    constexpr qsizetype kMaxFeed = std::numeric_limits<int>::max() / 2;
    QByteArray piece(kPiece, Qt::Uninitialized);
    qsizetype consumed = checkHeader(compressed);
    qsizetype produced = 0;
    std::uint32_t sum = 1; // Adler-32 of nothing
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
        if (n > 0) {
            sum = std::uint32_t(libdeflate_adler32(sum, piece.constData(), size_t(n)));
            sink(QByteArrayView(piece.constData(), n));
        }
        if (rc == Z_STREAM_END) {
            checkSum(compressed, consumed - qsizetype(z.avail_in), sum);
            return;
        }
        if (rc == Z_MEM_ERROR)
            throw std::bad_alloc();
        if (rc != Z_OK && rc != Z_BUF_ERROR)
            damaged();
        // Output room left and no input to give: the stream stops short of its end.
        if (z.avail_in == 0 && consumed == compressed.size() && z.avail_out != 0)
            truncated();
    }
}

QByteArray inflateZlib(QByteArrayView compressed, qsizetype maxBytes)
{
    QByteArray out;
    inflateZlibTo(compressed, maxBytes, [&out](QByteArrayView piece) { out.append(piece); });
    return out;
}

} // namespace cellvex
