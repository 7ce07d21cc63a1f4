#include "AnsiText.h"

#include "common/GbkCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <cstdint>

namespace cellvex {

bool ansiCanEncode(char32_t cp)
{
    if (cp < 0x80)
        return true;
    if (cp > 0xFFFF)
        return false; // GBK has no supplementary characters
    // Of the code page's lone bytes only the euro sign's 0x80 has ever counted
    // as a character; 0xFF (a private-use character) counts as "?", so texts
    // keep the lengths and cuts they were measured with.
    const std::uint16_t code = GbkCodec::instance().codeOf(char16_t(cp));
    return code >= 0x100 || code == 0x80;
}

int charUnitsAt(const QString &text, qsizetype i)
{
    if (i + 1 < text.size() && text.at(i).isHighSurrogate() && text.at(i + 1).isLowSurrogate())
        return 2;
    return 1;
}

int ansiCharBytes(const QString &text, qsizetype i)
{
    const QChar c = text.at(i);
    if (c.unicode() < 0x80)
        return 1;
    if (charUnitsAt(text, i) == 2)
        return 1; // becomes "?"
    return ansiCanEncode(c.unicode()) ? 2 : 1;
}

qsizetype ansiByteLength(const QString &text)
{
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); i += charUnitsAt(text, i))
        n += ansiCharBytes(text, i);
    return n;
}

QString cutToAnsiBytes(const QString &text, qsizetype maxBytes)
{
    if (maxBytes <= 0)
        return QString();
    qsizetype bytes = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const int b = ansiCharBytes(text, i);
        if (bytes + b > maxBytes)
            break;
        bytes += b;
        i += charUnitsAt(text, i);
    }
    return text.left(i);
}

QByteArray toAnsi(const QString &text)
{
    QStringEncoder encoder("GBK");
    QByteArray out = encoder.encode(text);
    return out;
}

QString fromAnsi(const QByteArray &bytes)
{
    QStringDecoder decoder("GBK");
    return decoder.decode(bytes);
}

} // namespace cellvex
