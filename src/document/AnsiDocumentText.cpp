#include "AnsiDocumentText.h"

#include "common/GbkCodec.h"
#include "common/ReportError.h"

#include <QString>

namespace cellvex {

QByteArray documentTextToAnsi(QStringView text)
{
    return utf8DocumentToAnsi(text.toUtf8());
}

QByteArray utf8DocumentToAnsi(QByteArrayView utf8)
{
    QByteArray out;
    GbkCodec::instance().appendUtf8AsGbk(utf8, out);
    return out;
}

QByteArray ansiDocumentToUtf8(QByteArrayView bytes)
{
    QByteArray out;
    if (GbkCodec::instance().appendGbkAsUtf8(bytes, out, true) < 0)
        throw ReportError(QStringLiteral("文档文本不是有效的 GBK 编码文本"));
    return out;
}

} // namespace cellvex
