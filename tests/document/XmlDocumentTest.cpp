#include "document/XmlDocument.h"
#include "common/GbkCodec.h"
#include "document/AnsiDocumentText.h"
#include "report/Report.h"

#include <gtest/gtest.h>

using namespace cellvex;

namespace {

// Texts that a careless serializer or parser changes: line breaks of every
// kind, tabs, blanks at the ends, markup characters, quotes, Chinese and a
// character outside the code page.
const QString kAwkward[] = {
    QStringLiteral("a\r\nb"), QStringLiteral("\r"),          QStringLiteral("x\ny\rz\r\n"),
    QStringLiteral("\tt\t"),  QStringLiteral("  both  "),    QStringLiteral(" "),
    QStringLiteral("<&>\"'"), QStringLiteral("]]> &amp;"),   QStringLiteral("中文，报表"),
    QStringLiteral("😀€"),     QStringLiteral("&#13;literal")};

} // namespace

TEST(XmlDocument, AttributesAndTextComeBackExactlyAsSet)
{
    XmlDocument doc;
    XmlElement root = doc.addRoot("Root");
    int i = 0;
    for (const QString &t : kAwkward) {
        XmlElement e = root.addChild(("E" + std::to_string(i++)).c_str());
        e.setAttribute("V", t);
        e.setText(t);
    }
    const QString text = doc.text();
    const XmlDocument back = XmlDocument::parse(text);
    const std::vector<XmlElement> children = back.root().children();
    ASSERT_EQ(children.size(), std::size(kAwkward));
    for (size_t k = 0; k < children.size(); ++k) {
        EXPECT_EQ(children[k].attribute("V").value_or(QStringLiteral("<absent>")), kAwkward[k]) << k;
        EXPECT_EQ(children[k].text(), kAwkward[k]) << k;
    }
    // The same through the code page bytes a stored document is made of.
    const XmlDocument viaAnsi = XmlDocument::parseUtf8(ansiDocumentToUtf8(documentTextToAnsi(text)));
    const std::vector<XmlElement> again = viaAnsi.root().children();
    ASSERT_EQ(again.size(), std::size(kAwkward));
    for (size_t k = 0; k < again.size(); ++k) {
        EXPECT_EQ(again[k].attribute("V").value_or(QString()), kAwkward[k]) << k;
        EXPECT_EQ(again[k].text(), kAwkward[k]) << k;
    }
}

TEST(XmlDocument, TextIsLinesWithCrLfDeclarationFirst)
{
    XmlDocument doc;
    XmlElement root = doc.addRoot("Cellvex");
    root.addChild("Page").setAttribute("PV", 1);
    XmlElement cells = root.addChild("Cell");
    cells.addChild("C0").setText(QStringLiteral("line1\r\nline2"));
    cells.addChild("C1");
    const QString text = doc.text();
    EXPECT_TRUE(text.startsWith(QStringLiteral("<?xml version=\"1.0\" encoding=\"GBK\"?>\r\n")))
        << qPrintable(text);
    EXPECT_TRUE(text.endsWith(QStringLiteral("</Cellvex>\r\n")));
    // Every LF belongs to a CR LF, and elements stay in the order they were added.
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), text.count(QLatin1Char('\n')));
    EXPECT_LT(text.indexOf(QStringLiteral("<Page ")), text.indexOf(QStringLiteral("<Cell>")));
    EXPECT_LT(text.indexOf(QStringLiteral("<C0")), text.indexOf(QStringLiteral("<C1")));
}

TEST(XmlDocument, EncodingNamesTheDeclarationOrIsRefused)
{
    XmlDocument doc;
    doc.addRoot("CellXML");
    doc.setEncoding(QStringLiteral("UTF-8"));
    EXPECT_TRUE(doc.text().startsWith(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>")));
    for (const QString &bad : {QStringLiteral("no such encoding"), QStringLiteral("X-NoSuchCharset-42"),
                               QStringLiteral(""), QStringLiteral("GBK\"?><x")}) {
        EXPECT_THROW(doc.setEncoding(bad), ReportError) << qPrintable(bad);
        EXPECT_EQ(doc.encoding(), QStringLiteral("UTF-8"));
    }
    EXPECT_EQ(XmlDocument::parse(QStringLiteral("<?xml version=\"1.0\" encoding=\"GBK\"?><a/>")).encoding(),
              QStringLiteral("GBK"));
}

TEST(XmlDocument, CharactersXmlCannotCarryAreRefusedWhenSet)
{
    XmlDocument doc;
    XmlElement e = doc.addRoot("R");
    for (const QString &bad : {QStringLiteral("a\x01"), QString(QChar(0)), QString(QChar(0xFFFF)),
                               QString(QChar(0xD800)) + QStringLiteral("x")}) {
        EXPECT_THROW(e.setAttribute("A", bad), ReportError);
        EXPECT_THROW(e.setText(bad), ReportError);
    }
    EXPECT_FALSE(e.attribute("A").has_value());
}

TEST(XmlDocument, ParsingReportsMalformedTextAndReadsWhatIsThere)
{
    for (const char *bad : {"", "<a>", "<a></b>", "<a x=1/>", "text only", "<a/><b/>", "<a>x</a>tail<b/>"})
        EXPECT_THROW(XmlDocument::parse(QString::fromLatin1(bad)), ReportError) << bad;

    // No declaration is needed; names are case-sensitive; comments are not children.
    const XmlDocument doc =
        XmlDocument::parse(QStringLiteral("<Root a=\"1\"><!-- c --><x/>text<X b=\"\"/><y>t</y></Root>"));
    const XmlElement root = doc.root();
    EXPECT_EQ(root.name(), QStringLiteral("Root"));
    EXPECT_EQ(root.attribute("a").value_or(QString()), QStringLiteral("1"));
    EXPECT_FALSE(root.attribute("A").has_value());
    const std::vector<XmlElement> children = root.children();
    ASSERT_EQ(children.size(), 3u);
    EXPECT_EQ(children[0].name(), QStringLiteral("x"));
    EXPECT_EQ(children[1].name(), QStringLiteral("X"));
    EXPECT_EQ(children[1].attribute("b"), std::optional<QString>(QString()));
    EXPECT_EQ(children[2].text(), QStringLiteral("t"));
}

TEST(XmlDocument, DeeplyNestedParsedDocumentsPrintWithoutRecursion)
{
    const int depth = 200000;
    QString text;
    for (int i = 0; i < depth; ++i)
        text += QStringLiteral("<a>");
    for (int i = 0; i < depth; ++i)
        text += QStringLiteral("</a>");
    const QString printed = XmlDocument::parse(text).text();
    EXPECT_EQ(printed.count(QStringLiteral("<a>")), depth - 1); // the innermost is <a/>
    EXPECT_TRUE(printed.contains(QStringLiteral("<a/>")));
}

TEST(AnsiDocumentText, KeepsCharactersOutsideTheCodePageAsReferences)
{
    const QByteArray bytes = documentTextToAnsi(QStringLiteral("<a>中A€😀한</a>"));
    // 中 in GBK, the euro sign as the single byte 0x80, the rest as references.
    EXPECT_EQ(bytes, QByteArray("<a>\xD6\xD0"
                                "A\x80&#128512;&#54620;</a>"));
    EXPECT_EQ(XmlDocument::parseUtf8(ansiDocumentToUtf8(bytes)).root().text(), QStringLiteral("中A€😀한"));
}

TEST(AnsiDocumentText, InvalidCodePageBytesFail)
{
    for (const QByteArray &bad :
         {QByteArray("<a>\xD6\x7F</a>"), QByteArray("<a>\xD6"), QByteArray("\x81\x30")})
        EXPECT_THROW(ansiDocumentToUtf8(bad), ReportError) << bad.toHex().constData();
    // Long texts are decoded in pieces, cut only where no character is split.
    const QByteArray longText = QByteArray("x \xD6\xD0").repeated(400000);
    EXPECT_EQ(QString::fromUtf8(ansiDocumentToUtf8(longText)), QStringLiteral("x 中").repeated(400000));
}

TEST(AnsiDocumentText, PiecesSplitInsideACharacterAreCarriedOver)
{
    const GbkCodec &codec = GbkCodec::instance();
    QByteArray out;
    // The lead byte of 中 ends the first piece: it waits for its second byte.
    EXPECT_EQ(codec.appendGbkAsUtf8(QByteArray("a\xD6"), out, false), 1);
    EXPECT_EQ(codec.appendGbkAsUtf8(QByteArray("\xD6\xD0"
                                               "b"),
                                    out, false),
              3);
    EXPECT_EQ(QString::fromUtf8(out), QStringLiteral("a中b"));
    // At the end of the text it is an error.
    EXPECT_EQ(codec.appendGbkAsUtf8(QByteArray("a\xD6"), out, true), -1);
}
