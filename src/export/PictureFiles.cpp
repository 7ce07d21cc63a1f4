#include "PictureFiles.h"

#include "common/ReportError.h"
#include "common/SaveFileCommit.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QSaveFile>

#include <filesystem>
#include <system_error>

namespace cellvex {

namespace {

QString writeFailure(const QString &fileName)
{
    return QStringLiteral("无法写入图片文件：%1").arg(fileName);
}

std::filesystem::path fsPath(const QString &fileName)
{
    return std::filesystem::path(QFile::encodeName(fileName).toStdString());
}

// True when both names lead to one file, as they do on a file system that
// ignores the case of names.
bool sameFile(const QString &a, const QString &b)
{
    if (a == b)
        return true;
    std::error_code ec;
    const bool same = std::filesystem::equivalent(fsPath(a), fsPath(b), ec);
    return !ec && same;
}

} // namespace

QByteArray encodeBitmap(const QImage &image, const QString &fileName)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (image.isNull() || !writer.write(image))
        throw ReportError(writeFailure(fileName));
    return bytes;
}

void writeWholeFile(const QString &fileName, const QByteArray &bytes)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw ReportError(writeFailure(fileName));
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        throw ReportError(writeFailure(fileName));
    }
    if (!commitSaveFile(file))
        throw ReportError(writeFailure(fileName));
}

void writePictureFile(const QImage &image, const QString &fileName, const QString &referredName)
{
    const QByteArray bytes = encodeBitmap(image, fileName);
    writeWholeFile(fileName, bytes);
    if (!sameFile(fileName, referredName))
        writeWholeFile(referredName, bytes);
}

} // namespace cellvex
