#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>

namespace cellvex {

// A picture as documents hold it: the bitmap in Windows BMP file form (file
// header included), packed with packText (its CR LF line breaks included).
QByteArray packedPicture(const QImage &image);

// The picture of a packed value. Throws ReportError when the value does not
// unpack (or unpacks beyond maxBytes) or is not a readable BMP file.
QImage unpackedPicture(QByteArrayView packed, qsizetype maxBytes);

// The BMP file of an image. Images with transparency are written as 32-bit
// bitmaps with an alpha mask (a version 4 header), which keeps what they
// show; the plain BMP writer would drop the alpha channel and turn
// transparent parts black.
QByteArray bmpFileOf(const QImage &image);

} // namespace cellvex
