#include "PageText.h"

namespace cellvex {

namespace {

char16_t asciiLower(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c + (u'a' - u'A')) : c;
}

// Position of the (lower-case ASCII) token in text from `from`, comparing
// ASCII letters without case; other characters must match exactly so that,
// say, a Turkish dotted capital I never passes for "i".
qsizetype findToken(const QString &text, QStringView token, qsizetype from)
{
    const qsizetype last = text.size() - token.size();
    for (qsizetype i = from; i <= last; ++i) {
        qsizetype k = 0;
        while (k < token.size() && asciiLower(text[i + k].unicode()) == token[k].unicode())
            ++k;
        if (k == token.size())
            return i;
    }
    return -1;
}

QString replaceToken(const QString &text, QStringView token, const std::function<QString()> &replacement)
{
    QString out;
    qsizetype pos = 0;
    for (qsizetype hit = findToken(text, token, pos); hit >= 0; hit = findToken(text, token, pos)) {
        out += QStringView(text).mid(pos, hit - pos);
        out += replacement();
        pos = hit + token.size();
    }
    out += QStringView(text).mid(pos);
    return out;
}

} // namespace

PageClock PageClock::system()
{
    return PageClock{[] { return QDateTime::currentDateTime(); }, QStringLiteral(":")};
}

QString expandPageText(const QString &content, std::int64_t pageNumber, std::int64_t pageCount,
                       const PageClock &clock)
{
    const auto now = [&clock] { return clock.now ? clock.now() : QDateTime::currentDateTime(); };
    QString text = replaceToken(content, u"@date", [&] { return now().date().toString(u"yyyy-MM-dd"); });
    text = replaceToken(text, u"@time", [&] {
        const QTime t = now().time();
        const auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
        return two(t.hour()) + clock.timeSeparator + two(t.minute()) + clock.timeSeparator + two(t.second());
    });
    text = replaceToken(text, u"@pno", [&] { return QString::number(pageNumber); });
    text = replaceToken(text, u"@pages", [&] { return QString::number(pageCount); });
    return text;
}

} // namespace cellvex
