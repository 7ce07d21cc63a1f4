#include "PictureLoader.h"

#include "common/ReportError.h"

#include <QFileInfo>
#include <QImageReader>

namespace cellvex {

namespace {

// Extension -> decoder name. Metafiles are accepted by name so that they fail
// as unreadable files, not as foreign formats; no decoder for them ships with
// the toolkit.
QByteArray decoderFor(const QString &fileName)
{
    const QString ext = QFileInfo(fileName).suffix().toLower();
    if (ext == QLatin1String("bmp") || ext == QLatin1String("dib"))
        return "bmp";
    if (ext == QLatin1String("ico"))
        return "ico";
    if (ext == QLatin1String("png"))
        return "png";
    if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg"))
        return "jpeg";
    if (ext == QLatin1String("gif"))
        return "gif";
    if (ext == QLatin1String("wmf") || ext == QLatin1String("emf"))
        return ext.toLatin1();
    return QByteArray();
}

} // namespace

bool isPictureFileName(const QString &fileName)
{
    return !decoderFor(fileName).isEmpty();
}

QImage loadCellPicture(const QString &fileName)
{
    const QByteArray decoder = decoderFor(fileName);
    if (decoder.isEmpty())
        throw ReportError(QStringLiteral("不支持的图片格式：%1").arg(fileName));
    QImage image;
    if (QImageReader::supportedImageFormats().contains(decoder)) {
        QImageReader reader(fileName, decoder);
        image = reader.read();
    }
    if (image.isNull())
        throw ReportError(QStringLiteral("无法读取图片文件：%1").arg(fileName));
    return image;
}

} // namespace cellvex
