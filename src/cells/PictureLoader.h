#pragma once

#include <QImage>
#include <QString>

namespace cellvex {

// Loads a cell picture, choosing the decoder by the file name's extension as
// stored reports expect: Windows bitmaps (.bmp, .dib), icons (.ico) and
// metafiles (.wmf, .emf), and also .png, .jpg, .jpeg and .gif. Throws
// ReportError with a message for the user when the extension names no
// picture format or the file cannot be decoded; nothing is returned half read.
QImage loadCellPicture(const QString &fileName);

// Whether the extension names a picture format this loader accepts.
bool isPictureFileName(const QString &fileName);

} // namespace cellvex
