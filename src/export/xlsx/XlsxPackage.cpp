#include "XlsxPackage.h"

#include "common/ReportError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <zip.h>

namespace cellvex::xlsx {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Cellvex", text);
}

QString nativeName(const QString &fileName)
{
    return QDir::toNativeSeparators(fileName);
}

} // namespace

QString workbookFormatProblem(const QString &fileName, const QByteArray &head)
{
    static const QByteArray kCompoundFile("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    if (head.startsWith(kCompoundFile))
        return tr("%1 is a legacy Excel 97-2003 workbook (.xls); only .xlsx workbooks can be read")
            .arg(nativeName(fileName));
    if (head.startsWith("<?xml") || head.startsWith("<"))
        return tr("%1 is an XML or HTML file, not an .xlsx workbook").arg(nativeName(fileName));
    return tr("%1 is not an .xlsx workbook").arg(nativeName(fileName));
}

XlsxPackage::XlsxPackage(const QString &fileName, qint64 maxPartBytes)
    : m_fileName(fileName), m_maxPartBytes(maxPartBytes)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw ReportError(
            tr("The workbook %1 cannot be opened: %2").arg(nativeName(fileName), file.errorString()));
    const QByteArray head = file.read(8);
    file.close();
    if (!head.startsWith("PK\x03\x04"))
        throw ReportError(workbookFormatProblem(fileName, head));
    int error = 0;
    m_zip = zip_open(QFile::encodeName(fileName).constData(), ZIP_RDONLY, &error);
    if (!m_zip) {
        zip_error_t ze;
        zip_error_init_with_code(&ze, error);
        const QString reason = QString::fromUtf8(zip_error_strerror(&ze));
        zip_error_fini(&ze);
        throw ReportError(tr("%1 is not an .xlsx workbook: %2").arg(nativeName(fileName), reason));
    }
}

XlsxPackage::~XlsxPackage()
{
    if (m_zip)
        zip_discard(m_zip);
}

std::optional<QByteArray> XlsxPackage::part(const QString &name) const
{
    zip_file_t *f = zip_fopen(m_zip, name.toUtf8().constData(), 0);
    if (!f)
        return std::nullopt;
    QByteArray bytes;
    char chunk[65536];
    for (;;) {
        const zip_int64_t n = zip_fread(f, chunk, sizeof chunk);
        if (n < 0) {
            const QString reason = QString::fromUtf8(zip_file_strerror(f));
            zip_fclose(f);
            throw ReportError(tr("The part %1 of the workbook %2 cannot be read: %3")
                                  .arg(name, nativeName(m_fileName), reason));
        }
        if (n == 0)
            break;
        if (bytes.size() + n > m_maxPartBytes) {
            zip_fclose(f);
            throw ReportError(tr("The part %1 of the workbook %2 is larger than %3 MB")
                                  .arg(name, nativeName(m_fileName))
                                  .arg(m_maxPartBytes / (1024 * 1024)));
        }
        bytes.append(chunk, qsizetype(n));
    }
    zip_fclose(f);
    return bytes;
}

} // namespace cellvex::xlsx
