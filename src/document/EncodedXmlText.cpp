#include "EncodedXmlText.h"

#include "common/ReportError.h"

#include <QHash>
#include <QStringEncoder>

namespace cellvex {

QString referenceUnencodable(const QString &xml, const QString &encoding)
{
    QStringEncoder probe(encoding.toLatin1().constData(), QStringConverter::Flag::Stateless);
    if (!probe.isValid())
        throw ReportError(QStringLiteral("不支持的 XML 编码：%1").arg(encoding));
    // Most texts repeat few distinct characters: ask the encoder once each.
    QHash<char32_t, bool> known;
    auto encodable = [&](char32_t u) {
        if (u < 0x80)
            return true;
        auto it = known.constFind(u);
        if (it != known.constEnd())
            return *it;
        const char32_t one[] = {u};
        QStringEncoder encoder(encoding.toLatin1().constData(), QStringConverter::Flag::Stateless);
        const QByteArray bytes = encoder.encode(QString::fromUcs4(one, 1));
        const bool ok = !encoder.hasError() && !bytes.isEmpty();
        known.insert(u, ok);
        return ok;
    };
    QString out;
    out.reserve(xml.size());
    for (qsizetype i = 0; i < xml.size(); ++i) {
        const QChar c = xml[i];
        char32_t u = c.unicode();
        qsizetype width = 1;
        if (c.isHighSurrogate() && i + 1 < xml.size() && xml[i + 1].isLowSurrogate()) {
            u = QChar::surrogateToUcs4(c, xml[i + 1]);
            width = 2;
        }
        if (encodable(u))
            out.append(xml.mid(i, width));
        else
            out += QStringLiteral("&#%1;").arg(quint32(u));
        i += width - 1;
    }
    return out;
}

} // namespace cellvex
