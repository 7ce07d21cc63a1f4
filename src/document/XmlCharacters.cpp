#include "XmlCharacters.h"

#include "common/ReportError.h"

namespace cellvex {

qsizetype firstNonXmlChar(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x20 && c < 0xD800)
            continue;
        if (c == 0x9 || c == 0xA || c == 0xD)
            continue;
        if (c >= 0xE000 && c <= 0xFFFD)
            continue;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        return i;
    }
    return -1;
}

void throwNonXmlChar(const QString &what, QChar c)
{
    throw ReportError(QStringLiteral("%1含有 XML 文档不能保存的字符 U+%2")
                          .arg(what)
                          .arg(uint(c.unicode()), 4, 16, QLatin1Char('0')));
}

bool isXmlEncodingName(QStringView name)
{
    if (name.isEmpty())
        return false;
    auto letter = [](QChar c) {
        return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
               (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
    };
    if (!letter(name[0]))
        return false;
    for (QChar c : name.sliced(1))
        if (!letter(c) && !(c >= QLatin1Char('0') && c <= QLatin1Char('9')) && c != QLatin1Char('.') &&
            c != QLatin1Char('_') && c != QLatin1Char('-'))
            return false;
    return true;
}

} // namespace cellvex
