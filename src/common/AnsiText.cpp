#include "AnsiText.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <bitset>
#include <memory>

namespace cellvex {
namespace {

// Which BMP characters GBK can hold, built once by decoding every valid
// double-byte sequence of the code page (faster than encoding 64 k characters).
const std::bitset<0x10000> &gbkTable()
{
    static const std::unique_ptr<std::bitset<0x10000>> table = [] {
        auto t = std::make_unique<std::bitset<0x10000>>();
        for (int c = 0; c < 0x80; ++c)
            t->set(c);
        QStringDecoder decoder("GBK");
        for (int lead = 0x81; lead <= 0xFE; ++lead) {
            for (int trail = 0x40; trail <= 0xFE; ++trail) {
                if (trail == 0x7F)
                    continue;
                const char pair[2] = {char(lead), char(trail)};
                QString s = decoder.decode(QByteArrayView(pair, 2));
                decoder.resetState();
                if (s.size() == 1 && s.at(0) != QChar::ReplacementCharacter)
                    t->set(s.at(0).unicode());
            }
        }
        // The code page's single byte 0x80 (euro sign) still counts as a
        // non-ASCII character.
        const char euro[1] = {char(0x80)};
        QString e = decoder.decode(QByteArrayView(euro, 1));
        if (e.size() == 1 && e.at(0) != QChar::ReplacementCharacter)
            t->set(e.at(0).unicode());
        return t;
    }();
    return *table;
}

} // namespace

bool ansiCanEncode(char32_t cp)
{
    if (cp < 0x80)
        return true;
    if (cp > 0xFFFF)
        return false; // GBK has no supplementary characters
    if (cp == 0xFFFD)
        return false;
    return gbkTable().test(cp);
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
