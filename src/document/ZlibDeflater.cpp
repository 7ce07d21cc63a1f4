#include "ZlibDeflater.h"

#include "common/ReportError.h"

#include <zlib.h>

#include <limits>

namespace cellvex {

struct ZlibDeflater::State
{
    z_stream stream{};
    bool finished = false;
};

ZlibDeflater::ZlibDeflater() : m_state(std::make_unique<State>())
{
    if (deflateInit(&m_state->stream, Z_DEFAULT_COMPRESSION) != Z_OK)
        throw ReportError(QStringLiteral("无法初始化数据压缩"));
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
        run(bytes.first(n), Z_NO_FLUSH);
        bytes = bytes.sliced(n);
    }
}

QByteArray ZlibDeflater::finish()
{
    if (!m_state->finished) {
        run(QByteArrayView(), Z_FINISH);
        m_state->finished = true;
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
