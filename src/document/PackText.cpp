#include "PackText.h"

#include "document/ZlibDeflater.h"
#include "document/ZlibInflate.h"

namespace cellvex {

namespace {

constexpr qsizetype kLineLength = 76;

bool isBase64Char(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' ||
           c == '/' || c == '=';
}

} // namespace

QByteArray packText(QByteArrayView bytes)
{
    ZlibDeflater deflater;
    deflater.write(bytes);
    return base64Lines(deflater.finish(), "\r\n");
}

QByteArray base64Lines(QByteArrayView bytes, QByteArrayView lineBreak)
{
    const QByteArray plain = bytes.toByteArray().toBase64();
    const qsizetype breaks = plain.size() / kLineLength;
    QByteArray out;
    out.reserve(plain.size() + breaks * lineBreak.size());
    for (qsizetype at = 0; at < plain.size(); at += kLineLength) {
        const qsizetype n = std::min(kLineLength, plain.size() - at);
        out.append(plain.constData() + at, n);
        if (n == kLineLength)
            out.append(lineBreak);
    }
    return out;
}

QByteArray base64Data(QByteArrayView text)
{
    QByteArray alphabet;
    alphabet.reserve(text.size());
    for (char c : text)
        if (isBase64Char(c))
            alphabet.append(c);
    return QByteArray::fromBase64(alphabet);
}

QByteArray unpackText(QByteArrayView text, qsizetype maxBytes)
{
    return inflateZlib(base64Data(text), maxBytes);
}

QByteArray storedFormOf(QByteArrayView packed)
{
    QByteArray out = packed.toByteArray();
    for (char &c : out)
        if (c == '\r' || c == '\n')
            c = '-';
    return out;
}

QByteArray packedFromStoredForm(QByteArrayView stored)
{
    QByteArray out(stored.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < stored.size(); ++i) {
        if (stored[i] == '-') {
            out[i] = '\r';
            if (i + 1 < stored.size())
                out[++i] = '\n';
        } else {
            out[i] = stored[i];
        }
    }
    return out;
}

} // namespace cellvex
