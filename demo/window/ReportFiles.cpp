#include "ReportFiles.h"

#include "HostError.h"

#include "common/AnsiText.h"

#include <QFile>
#include <QSaveFile>

namespace cellvex::demo {

void writeAnsiFile(const QString &path, const QString &text)
{
    QSaveFile file(path);
    const QByteArray bytes = toAnsi(text);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw HostError(QStringLiteral("无法写入文件“%1”：%2").arg(path, file.errorString()));
}

QString readAnsiFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw HostError(QStringLiteral("无法读取文件“%1”：%2").arg(path, file.errorString()));
    // The text becomes one string argument; a file larger than any report
    // text is refused before it is read.
    if (file.size() > kMaxTextFileBytes)
        throw HostError(QStringLiteral("文件“%1”太大（超过 %2 MB）").arg(path).arg(kMaxTextFileBytes >> 20));
    return fromAnsi(file.readAll());
}

} // namespace cellvex::demo
