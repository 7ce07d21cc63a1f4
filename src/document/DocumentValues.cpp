#include "DocumentValues.h"

#include "document/XmlCharacters.h"
#include "report/Report.h"

#include <charconv>
#include <limits>

namespace cellvex {

std::optional<std::int64_t> parseDocumentInteger(std::string_view text)
{
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    const bool plus = !text.empty() && text.front() == '+';
    if (plus)
        text.remove_prefix(1);
    if (text.empty() || (plus && (text.front() < '0' || text.front() > '9')))
        return std::nullopt;
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::int32_t ValueReader::int32(std::string_view attribute, std::string_view text) const
{
    return int32InRange(attribute, text, std::numeric_limits<std::int32_t>::min(),
                        std::numeric_limits<std::int32_t>::max());
}

std::int32_t ValueReader::int32InRange(std::string_view attribute, std::string_view text, std::int32_t min,
                                       std::int32_t max) const
{
    const std::optional<std::int64_t> v = parseDocumentInteger(text);
    if (!v)
        fail(attribute,
             QStringLiteral("不是整数：%1").arg(QString::fromUtf8(text.data(), qsizetype(text.size()))));
    if (*v < min || *v > max)
        fail(attribute, QStringLiteral("超出 %1 到 %2 的范围：%3").arg(min).arg(max).arg(*v));
    return std::int32_t(*v);
}

ColorRef ValueReader::color(std::string_view attribute, std::string_view text) const
{
    const std::optional<std::int64_t> v = parseDocumentInteger(text);
    // Written signed; an unsigned spelling of the same 32 bits is taken too.
    if (!v || *v < std::numeric_limits<std::int32_t>::min() || *v > std::numeric_limits<std::uint32_t>::max())
        fail(attribute,
             QStringLiteral("不是颜色值：%1").arg(QString::fromUtf8(text.data(), qsizetype(text.size()))));
    return ColorRef(std::uint32_t(*v));
}

QString ValueReader::text(std::string_view attribute, std::string_view utf8) const
{
    if (utf8.empty())
        return QString();
    QString value = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    const qsizetype bad = firstNonXmlChar(value);
    if (bad >= 0)
        fail(attribute, QStringLiteral("含有不能保存的字符 U+%1")
                            .arg(uint(value[bad].unicode()), 4, 16, QLatin1Char('0')));
    return value;
}

void ValueReader::fail(std::string_view attribute, const QString &problem) const
{
    throw ReportError(
        QStringLiteral("报表文档中%1的属性 %2 %3")
            .arg(where(), QString::fromUtf8(attribute.data(), qsizetype(attribute.size())), problem));
}

QString joinedLines(const QString &text)
{
    if (text.isEmpty())
        return QString(); // most cells have no list or script: no buffer for them
    QString out;
    out.reserve(text.size() + 2);
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        out.append(QStringView(text).sliced(lineStart, i - lineStart));
        out.append(QLatin1String("\r\n"));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            ++i;
        lineStart = i + 1;
    }
    if (lineStart < text.size()) {
        out.append(QStringView(text).sliced(lineStart));
        out.append(QLatin1String("\r\n"));
    }
    return out;
}

} // namespace cellvex
