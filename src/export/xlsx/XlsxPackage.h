#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

struct zip;

namespace cellvex::xlsx {

// The zip package of a workbook, opened for reading its parts. A part is
// read whole but never beyond `maxPartBytes`, whatever its entry declares,
// so that a small file inflating to gigabytes is refused, not unpacked.
class XlsxPackage
{
public:
    // Throws ReportError when the file cannot be read or is no zip package;
    // a legacy binary workbook is named as such.
    XlsxPackage(const QString &fileName, qint64 maxPartBytes);
    ~XlsxPackage();
    XlsxPackage(const XlsxPackage &) = delete;
    XlsxPackage &operator=(const XlsxPackage &) = delete;

    // The part's bytes; nothing when the package has no such part. Throws
    // ReportError when it is larger than allowed or cannot be inflated.
    std::optional<QByteArray> part(const QString &name) const;

private:
    QString m_fileName;
    qint64 m_maxPartBytes;
    zip *m_zip = nullptr;
};

// What a file's first bytes say it is, for the message that refuses it.
QString workbookFormatProblem(const QString &fileName, const QByteArray &head);

} // namespace cellvex::xlsx
