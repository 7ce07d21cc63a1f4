#include "HtmlText.h"

#include "common/AnsiText.h"

namespace cellvex {

namespace {

void appendReference(QString &out, char32_t codePoint)
{
    out += QStringLiteral("&#x");
    out += QString::number(std::uint32_t(codePoint), 16).toUpper();
    out += QLatin1Char(';');
}

// Writes `text` with the markup characters and the characters outside the
// code page as references; `quotes` also covers both quote characters.
void appendEscaped(QString &out, const QString &text, bool quotes)
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar ch = text.at(i);
        const char16_t u = ch.unicode();
        if (u < 0x80) {
            if (u == '&')
                out += QStringLiteral("&amp;");
            else if (u == '<')
                out += QStringLiteral("&lt;");
            else if (u == '>')
                out += QStringLiteral("&gt;");
            else if (quotes && u == '"')
                out += QStringLiteral("&quot;");
            else if (quotes && u == '\'')
                out += QStringLiteral("&#39;");
            else
                out += ch;
            continue;
        }
        if (ch.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
            // GBK has no characters outside the basic plane.
            appendReference(out, QChar::surrogateToUcs4(ch, text.at(i + 1)));
            ++i;
            continue;
        }
        if (ch.isSurrogate()) {
            appendReference(out, 0xFFFD); // half a pair stands for no character
            continue;
        }
        if (ansiCanEncode(u))
            out += ch;
        else
            appendReference(out, u);
    }
}

bool needsQuotes(const QString &value)
{
    if (value.isEmpty())
        return true;
    for (const QChar ch : value) {
        switch (ch.unicode()) {
        case ' ':
        case '\t':
        case '\n':
        case '\f':
        case '\r':
        case '"':
        case '\'':
        case '=':
        case '<':
        case '>':
        case '`':
            return true;
        default:
            break;
        }
    }
    return false;
}

} // namespace

void appendHtmlText(QString &out, const QString &text)
{
    appendEscaped(out, text, false);
}

void appendHtmlAttributeText(QString &out, const QString &text)
{
    appendEscaped(out, text, true);
}

void appendHtmlAttributeValue(QString &out, const QString &value)
{
    if (!needsQuotes(value)) {
        appendEscaped(out, value, false);
        return;
    }
    out += QLatin1Char('"');
    appendEscaped(out, value, true);
    out += QLatin1Char('"');
}

QString htmlColor(ColorRef color)
{
    if (color < 1 || color > 0xFFFFFF)
        return QStringLiteral("000000");
    const std::uint32_t red = color & 0xFF, green = (color >> 8) & 0xFF, blue = (color >> 16) & 0xFF;
    return QStringLiteral("%1%2%3")
        .arg(red, 2, 16, QLatin1Char('0'))
        .arg(green, 2, 16, QLatin1Char('0'))
        .arg(blue, 2, 16, QLatin1Char('0'))
        .toUpper();
}

} // namespace cellvex
