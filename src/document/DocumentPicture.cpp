#include "DocumentPicture.h"

#include "common/ReportError.h"
#include "document/PackText.h"

#include <QBuffer>
#include <QtEndian>

#include <cstring>

namespace cellvex {

namespace {

constexpr quint32 kFileHeaderSize = 14;
constexpr quint32 kV4HeaderSize = 108;

void put16(QByteArray &out, quint16 v)
{
    const quint16 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char *>(&le), 2);
}

void put32(QByteArray &out, quint32 v)
{
    const quint32 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char *>(&le), 4);
}

QByteArray bmpWithAlpha(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    if (qint64(image.width()) * 4 * image.height() > 0x7FFFFFFF - 1024)
        throw ReportError(QStringLiteral("图片太大，无法写成位图"));
    const quint32 width = quint32(image.width());
    const quint32 height = quint32(image.height());
    const quint32 rowBytes = width * 4;
    const quint32 dataSize = rowBytes * height;
    QByteArray out;
    out.reserve(qsizetype(kFileHeaderSize + kV4HeaderSize + dataSize));
    // BITMAPFILEHEADER
    out.append("BM", 2);
    put32(out, kFileHeaderSize + kV4HeaderSize + dataSize);
    put32(out, 0);
    put32(out, kFileHeaderSize + kV4HeaderSize);
    // BITMAPV4HEADER: 32 bits per pixel, bit fields with an alpha mask.
    put32(out, kV4HeaderSize);
    put32(out, width);
    put32(out, height); // positive: rows bottom-up
    put16(out, 1);
    put16(out, 32);
    put32(out, 3); // BI_BITFIELDS
    put32(out, dataSize);
    put32(out, quint32(image.dotsPerMeterX()));
    put32(out, quint32(image.dotsPerMeterY()));
    put32(out, 0);
    put32(out, 0);
    put32(out, 0x00FF0000);                // red
    put32(out, 0x0000FF00);                // green
    put32(out, 0x000000FF);                // blue
    put32(out, 0xFF000000);                // alpha
    put32(out, 0x73524742);                // LCS_sRGB
    out.append(QByteArray(36 + 12, '\0')); // end points and gamma, unused for sRGB
    // ARGB32 pixels are stored B, G, R, A on little-endian machines, which is
    // exactly the bitmap's byte order; only the row order is reversed.
    for (quint32 y = height; y-- > 0;) {
        const uchar *line = image.constScanLine(int(y));
        if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
            out.append(reinterpret_cast<const char *>(line), qsizetype(rowBytes));
        } else {
            for (quint32 x = 0; x < width; ++x)
                put32(out, reinterpret_cast<const quint32 *>(line)[x]);
        }
    }
    return out;
}

} // namespace

QByteArray bmpFileOf(const QImage &image)
{
    if (image.isNull())
        throw ReportError(QStringLiteral("图片为空，无法保存"));
    if (image.hasAlphaChannel())
        return bmpWithAlpha(image);
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "BMP"))
        throw ReportError(QStringLiteral("无法把图片写成位图"));
    return out;
}

QByteArray packedPicture(const QImage &image)
{
    return packText(bmpFileOf(image));
}

QImage unpackedPicture(QByteArrayView packed, qsizetype maxBytes)
{
    const QByteArray bmp = unpackText(packed, maxBytes);
    QImage image;
    if (!bmp.startsWith("BM") || !image.loadFromData(bmp, "BMP") || image.isNull())
        throw ReportError(QStringLiteral("图片数据不是可读的位图"));
    return image;
}

} // namespace cellvex
