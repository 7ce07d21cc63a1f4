#include "ZlibDeflater.h"

#include "common/ReportError.h"

#include <libdeflate.h>
#include <zlib.h>

#include <cstdint>
#include <limits>

namespace cellvex {

// zlib compresses the raw deflate data; the wrapper is written here, the
// header as zlib writes it for the default level and the Adler-32 sum by
// libdeflate, whose vectorised sum takes a quarter of zlib's time.
struct ZlibDeflater::State
{
    z_stream stream{};
    bool finished = false;
    std::uint32_t sum = 1; // Adler-32 of nothing
};

ZlibDeflater::ZlibDeflater() : m_state(std::make_unique<State>())
{
    if (deflateInit2(&m_state->stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8,
                     Z_DEFAULT_STRATEGY) != Z_OK)
        throw ReportError(QStringLiteral("无法初始化数据压缩"));
    // Deflate with a 32 KB window, the default level's flags, check bits.
    m_out.append("\x78\x9C", 2);
}

ZlibDeflater::~ZlibDeflater()
{
    deflateEnd(&m_state->stream);
}

void ZlibDeflater::write(QByteArrayView bytes)
{
    // zlib counts in 32 bits: feed very large pieces in slices.
    constexpr qsizetype kSlice = std::numeric_limits<int>::max() / 2;
    while (!bytes.isEmpty()) {
        const qsizetype n = std::min(bytes.size(), kSlice);
        if (!m_state->finished)
            m_state->sum = std::uint32_t(libdeflate_adler32(m_state->sum, bytes.data(), size_t(n)));
        run(bytes.first(n), Z_NO_FLUSH);
        bytes = bytes.sliced(n);
    }
}

QByteArray ZlibDeflater::finish()
{
    if (!m_state->finished) {
        run(QByteArrayView(), Z_FINISH);
        m_state->finished = true;
        const std::uint32_t sum = m_state->sum;
        const char trailer[4] = {char(sum >> 24), char(sum >> 16), char(sum >> 8), char(sum)};
        m_out.append(trailer, 4);
    }
    return std::move(m_out);
}

void ZlibDeflater::run(QByteArrayView input, int flush)
{
    if (m_state->finished)
        throw ReportError(QStringLiteral("压缩数据流已经结束"));
    z_stream &z = m_state->stream;
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(input.data()));
    z.avail_in = uInt(input.size());
    constexpr qsizetype kChunk = 256 * 1024;
    int rc = Z_OK;
    do {
        const qsizetype before = m_out.size();
        m_out.resize(before + kChunk);
        z.next_out = reinterpret_cast<Bytef *>(m_out.data() + before);
        z.avail_out = uInt(kChunk);
        rc = deflate(&z, flush);
        m_out.resize(before + (kChunk - qsizetype(z.avail_out)));
        if (rc == Z_STREAM_ERROR)
            throw ReportError(QStringLiteral("数据压缩失败"));
    } while (z.avail_out == 0 || (flush == Z_FINISH && rc != Z_STREAM_END));
}

} // namespace cellvex
