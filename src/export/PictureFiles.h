#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace cellvex {

// The bytes of a Windows bitmap file holding `image`. Throws ReportError,
// naming `fileName`, when the image cannot be encoded (a null image).
QByteArray encodeBitmap(const QImage &image, const QString &fileName);

// Makes `bytes` the whole content of `fileName`. The file is replaced only
// when everything was written: a failure leaves neither a partial file nor
// a temporary one behind, and an older file of that name as it was. Throws
// ReportError with a message for the user.
void writeWholeFile(const QString &fileName, const QByteArray &bytes);

// Writes a cell picture as a bitmap under `fileName`, and the same bytes
// under `referredName` when that is a different file. The exported HTML names
// the file with another spelling of its extension than the one it is written
// with; where file names are case sensitive the reference would find nothing
// (or an old picture) without the second name.
void writePictureFile(const QImage &image, const QString &fileName, const QString &referredName);

} // namespace cellvex
