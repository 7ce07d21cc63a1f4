// zlib streams: the wrapper (header and Adler-32 sum) is written and read
// by our code around zlib's raw deflate and inflate, so what is written is
// compared byte for byte with zlib's own streams, and every way a wrapper
// can be wrong is read as zlib reads it.
#include "common/ReportError.h"
#include "document/ZlibDeflater.h"
#include "document/ZlibInflate.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>
#include <zlib.h>

#include <functional>

using namespace cellvex;

namespace {

QByteArray sampleText()
{
    QByteArray text;
    for (int i = 0; i < 20000; ++i)
        text += "<C" + QByteArray::number(i) + " L=\"" + QByteArray::number(i * 7 % 1000) + "\"/>";
    return text;
}

QByteArray deflated(const QByteArray &text, int windowBits = MAX_WBITS)
{
    z_stream z{};
    EXPECT_EQ(deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, windowBits, 8, Z_DEFAULT_STRATEGY), Z_OK);
    QByteArray out(qsizetype(deflateBound(&z, uLong(text.size()))), Qt::Uninitialized);
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(text.constData()));
    z.avail_in = uInt(text.size());
    z.next_out = reinterpret_cast<Bytef *>(out.data());
    z.avail_out = uInt(out.size());
    EXPECT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
    out.resize(qsizetype(z.total_out));
    deflateEnd(&z);
    return out;
}

// Whether zlib itself inflates the bytes to `text`, the wrapper included.
bool zlibAccepts(const QByteArray &stream, const QByteArray &text)
{
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        return false;
    QByteArray out(text.size() + 16, Qt::Uninitialized);
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(stream.constData()));
    z.avail_in = uInt(stream.size());
    z.next_out = reinterpret_cast<Bytef *>(out.data());
    z.avail_out = uInt(out.size());
    const int rc = inflate(&z, Z_FINISH);
    const bool ok =
        rc == Z_STREAM_END && qsizetype(z.total_out) == text.size() && out.left(text.size()) == text;
    inflateEnd(&z);
    return ok;
}

QByteArray withByte(QByteArray bytes, qsizetype at, char value)
{
    bytes[at < 0 ? bytes.size() + at : at] = value;
    return bytes;
}

// A header with the check bits made right for `cmf` and the flags `flg`.
QByteArray header(std::uint8_t cmf, std::uint8_t flg)
{
    flg = std::uint8_t(flg & 0xE0);
    flg = std::uint8_t(flg + (31 - (cmf * 256 + flg) % 31) % 31);
    return QByteArray(1, char(cmf)) + QByteArray(1, char(flg));
}

} // namespace

TEST(ZlibInflate, ReadsTheWrapperAsZlibDoes)
{
    const QByteArray text = sampleText();
    const QByteArray good = deflated(text);
    const QByteArray body = good.mid(2, good.size() - 6);
    const QByteArray sum = good.right(4);
    const QString damaged = QStringLiteral("压缩数据已损坏");
    const QString truncated = QStringLiteral("压缩数据不完整");
    struct Case
    {
        const char *what;
        QByteArray stream;
        QString failure; // empty: inflates to the text
    } cases[] = {
        {"as written", good, {}},
        {"bytes after the stream", good + "trailing", {}},
        {"a small window", deflated(text, 9), {}},
        {"nothing", {}, truncated},
        {"one byte", good.left(1), truncated},
        {"header only", good.left(2), truncated},
        {"check bits wrong", withByte(good, 1, char(good[1] ^ 1)), damaged},
        {"another method", header(0x77, 0x00) + body + sum, damaged},
        {"a window beyond 32 KB", header(0x88, 0x00) + body + sum, damaged},
        {"a preset dictionary", header(0x78, 0x20) + "\0\0\0\1" + body + sum, damaged},
        {"a byte of data changed", withByte(good, good.size() / 2, char(good[good.size() / 2] ^ 0x10)),
         damaged},
        {"the sum changed", withByte(good, -1, char(good[good.size() - 1] ^ 1)), damaged},
        {"half the sum", good.left(good.size() - 2), truncated},
        {"no sum", good.left(good.size() - 4), truncated},
        {"cut in the data", good.left(good.size() / 2), truncated},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QByteArray out;
        QString failure;
        try {
            out = inflateZlib(c.stream, qsizetype(1) << 30);
        } catch (const ReportError &e) {
            failure = e.message();
        }
        EXPECT_EQ(failure, c.failure);
        if (c.failure.isEmpty()) {
            EXPECT_TRUE(out == text);
        }
        EXPECT_EQ(zlibAccepts(c.stream, text), c.failure.isEmpty());
    }
}

TEST(ZlibInflate, RefusesMoreThanTheLimitAndHandsOverPieces)
{
    const QByteArray text = sampleText();
    const QByteArray good = deflated(text);
    EXPECT_THROW(inflateZlib(good, text.size() - 1), ReportError);
    QByteArray joined;
    int pieces = 0;
    inflateZlibTo(good, text.size(), [&](QByteArrayView piece) {
        joined += piece.toByteArray();
        ++pieces;
    });
    EXPECT_TRUE(joined == text);
    EXPECT_GE(pieces, 2);
}

TEST(ZlibDeflater, WritesTheStreamZlibWritesWhateverThePieces)
{
    QByteArray random(100000, Qt::Uninitialized);
    QRandomGenerator gen(5);
    for (char &c : random)
        c = char(gen.bounded(256));
    const QByteArray inputs[] = {{}, "x", sampleText(), random, sampleText().repeated(8)};
    for (const QByteArray &input : inputs) {
        QByteArray expected(qsizetype(compressBound(uLong(input.size()))), Qt::Uninitialized);
        uLongf size = uLongf(expected.size());
        ASSERT_EQ(compress2(reinterpret_cast<Bytef *>(expected.data()), &size,
                            reinterpret_cast<const Bytef *>(input.constData()), uLong(input.size()),
                            Z_DEFAULT_COMPRESSION),
                  Z_OK);
        expected.resize(qsizetype(size));
        for (const qsizetype piece : {qsizetype(1) << 30, qsizetype(4093), qsizetype(1)}) {
            if (piece == 1 && input.size() > 5000)
                continue;
            SCOPED_TRACE(testing::Message() << input.size() << " bytes in pieces of " << piece);
            ZlibDeflater deflater;
            for (qsizetype at = 0; at < input.size(); at += piece)
                deflater.write(QByteArrayView(input).sliced(at, std::min(piece, input.size() - at)));
            EXPECT_TRUE(deflater.finish() == expected);
        }
    }
}
