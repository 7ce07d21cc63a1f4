#include "export/HtmlText.h"

#include <gtest/gtest.h>

using namespace cellvex;

namespace {

QString text(const QString &s)
{
    QString out;
    appendHtmlText(out, s);
    return out;
}

QString attributeText(const QString &s)
{
    QString out;
    appendHtmlAttributeText(out, s);
    return out;
}

QString attributeValue(const QString &s)
{
    QString out;
    appendHtmlAttributeValue(out, s);
    return out;
}

} // namespace

TEST(HtmlText, MarkupAndCharactersOutsideTheCodePageBecomeReferences)
{
    struct Case
    {
        QString in, asText, asAttributeText;
    } cases[] = {
        {QStringLiteral("plain 文本 €"), QStringLiteral("plain 文本 €"), QStringLiteral("plain 文本 €")},
        {QStringLiteral("a<b & </Td>"), QStringLiteral("a&lt;b &amp; &lt;/Td&gt;"),
         QStringLiteral("a&lt;b &amp; &lt;/Td&gt;")},
        {QStringLiteral("it's \"x\""), QStringLiteral("it's \"x\""),
         QStringLiteral("it&#39;s &quot;x&quot;")},
        // An emoji (a surrogate pair) and a Latin letter GBK lacks; the euro
        // sign and Chinese are in the code page and stay.
        {QString::fromUtf8("😀ŵ€中"), QStringLiteral("&#x1F600;&#x175;€中"),
         QStringLiteral("&#x1F600;&#x175;€中")},
        {QString(QChar(0xD800)) + QLatin1Char('x'), QStringLiteral("&#xFFFD;x"), QStringLiteral("&#xFFFD;x")},
        {QString(), QString(), QString()},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(text(c.in), c.asText) << c.in.toStdString();
        EXPECT_EQ(attributeText(c.in), c.asAttributeText) << c.in.toStdString();
    }
}

TEST(HtmlText, AttributeValueIsQuotedOnlyWhenItCannotStandBare)
{
    struct Case
    {
        QString in, out;
    } cases[] = {
        {QStringLiteral("C:\\out\\r_C1C2.bmp"), QStringLiteral("C:\\out\\r_C1C2.bmp")},
        {QStringLiteral("/tmp/out/r_C0C0.bmp"), QStringLiteral("/tmp/out/r_C0C0.bmp")},
        {QStringLiteral("/tmp/my out/r.bmp"), QStringLiteral("\"/tmp/my out/r.bmp\"")},
        {QStringLiteral("/tmp/a=b/r.bmp"), QStringLiteral("\"/tmp/a=b/r.bmp\"")},
        {QStringLiteral("/tmp/x'>y/r.bmp"), QStringLiteral("\"/tmp/x&#39;&gt;y/r.bmp\"")},
        {QStringLiteral("/tmp/R&D/r.bmp"), QStringLiteral("/tmp/R&amp;D/r.bmp")},
        {QString(), QStringLiteral("\"\"")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(attributeValue(c.in), c.out) << c.in.toStdString();
}

TEST(HtmlText, ColoursAreRedGreenBlueAndBlackOutsideTheRgbRange)
{
    struct Case
    {
        ColorRef in;
        const char *out;
    } cases[] = {
        {0x0000FF, "FF0000"}, {0x00FF00, "00FF00"},   {0xFF0000, "0000FF"},
        {0x123456, "563412"}, {0xFFFFFF, "FFFFFF"},   {0x000001, "010000"},
        {0x000000, "000000"}, {0x8000000F, "000000"}, {0x01000000, "000000"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(htmlColor(c.in), QLatin1String(c.out)) << std::hex << c.in;
}
