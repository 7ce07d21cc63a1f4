// The fast parser against the general one: for every document it reads, the
// very report the general parser reads; everything else it declines, and
// opening then gives the general parser's report or failure.
#include "DocumentFixture.h"

#include "document/PlainXmlReader.h"
#include "document/ReportXmlReader.h"

#include <QRandomGenerator>

#include <functional>
#include <optional>
#include <regex>
#include <string>

using namespace cellvex;
using namespace cellvex::test;

namespace {

// A report opened: saved again (which holds every stored property), or
// the failure's message.
struct Outcome
{
    QByteArray resaved;
    QString failure;
    bool operator==(const Outcome &) const = default;
};

QByteArray resaved(LoadedReport &&loaded)
{
    Report report;
    PageSettings page(kPpi);
    applyLoadedReport(report, page, std::move(loaded));
    return storedReport(report, page);
}

Outcome outcomeOf(const std::function<LoadedReport()> &read)
{
    try {
        return {resaved(read()), {}};
    } catch (const ReportError &e) {
        return {{}, e.message()};
    }
}

// The GBK document text of a written report.
QByteArray writtenBytes(const Report &report, const PageSettings &page)
{
    return documentBytes(storedReport(report, page));
}

QByteArray richText()
{
    Report report;
    PageSettings page(kPpi);
    buildRichReport(report, page);
    return writtenBytes(report, page);
}

// The rich report's text without the entities the fast parser declines.
QByteArray richTextWithoutEntities()
{
    QByteArray text = richText();
    for (const auto &[entity, plain] :
         {std::pair{"&amp;", "+"}, {"&lt;", "("}, {"&gt;", ")"}, {"&quot;", "'"}})
        text.replace(entity, plain);
    return text;
}

// A report filled the way business reports are, with nothing the fast
// parser declines: Chinese and multi-line texts, numbers, fonts, borders,
// colours and a merged block.
QByteArray filledText()
{
    Report report;
    report.newReport(12, 30);
    const QString texts[] = {
        QStringLiteral("销售额"),          QStringLiteral("1234.50"), QStringLiteral("第一行\r\n第二行"),
        QStringLiteral("Mixed 中文 text"), QStringLiteral("-0.25"),   QStringLiteral("€ 7")};
    for (int c = 0; c < 12; ++c)
        for (int r = 0; r < 30; ++r) {
            if ((c + r) % 3 != 0)
                continue;
            report.setCellCaption(c, r, texts[(c * 7 + r) % std::size(texts)]);
            if (r == 0) {
                report.setFontName(c, r, QStringLiteral("黑体"));
                report.setFontStyle(c, r, 0, true);
            }
            if (c % 4 == 1)
                report.setAlignment(c, r, HAlign::Right);
            if (r % 5 == 0)
                report.setBackColor(c, r, 0x00E0F0FF);
            report.setCellBorders(c, r, BorderBottom, 1);
        }
    report.setCellAlias(2, 3, QStringLiteral("Total"));
    const BlockBounds block{8, 10, 9, 11};
    for (int c = 8; c <= 9; ++c)
        for (int r = 10; r <= 11; ++r)
            report.cell(c, r)->setMerge(c == 8 && r == 10 ? MergeSign::Master : MergeSign::Covered, block);
    return writtenBytes(report, PageSettings(kPpi));
}

// A picture that packs to kilobytes: elements too long to be remembered.
QImage noisePicture()
{
    QImage image(48, 48, QImage::Format_RGB32);
    QRandomGenerator gen(3);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, gen.generate());
    return image;
}

// Elements that repeat each other's attributes after their geometry, of
// every kind: check boxes, lists, dates, pictures, append strings and
// scripts, each with captions of their own, so that what is made once and
// copied must still take each element's caption.
QByteArray repeatingText()
{
    Report report;
    report.newReport(6, 40);
    for (int c = 0; c < 6; ++c)
        for (int r = 0; r < 40; ++r) {
            const QString caption = r % 4 == 3 ? QString() : QString::number(r % 3);
            switch (c) {
            case 0:
                setCheckCell(report, c, r, QStringLiteral("已审核"));
                break;
            case 1:
                setDropCell(report, c, r, QStringLiteral("0\r\n1\r\n2\r\n"));
                break;
            case 2:
                setDateTimeCell(report, c, r);
                break;
            case 3:
                showCellPicture(*report.cell(c, r),
                                r < 3 ? noisePicture() : testPicture(QImage::Format_RGB32, 3, 3), r % 2 == 0);
                break;
            case 4:
                report.setAppendRange(c, r, 2);
                report.setAppendString(c, r, 1, QStringLiteral("乙"));
                break;
            default:
                report.cell(c, r)->setScriptType(QStringLiteral("VBScript"));
                report.cell(c, r)->setScriptText(QStringLiteral("a = 1\r\n"));
                break;
            }
            report.setCellCaption(c, r, caption);
        }
    return writtenBytes(report, PageSettings(kPpi));
}

// The text with the first match of `pattern` replaced by `format` ($1 ...).
QByteArray edited(const QByteArray &text, const char *pattern, const std::string &format)
{
    const std::string s = text.toStdString();
    const std::string out =
        std::regex_replace(s, std::regex(pattern), format, std::regex_constants::format_first_only);
    EXPECT_NE(out, s) << pattern;
    return QByteArray::fromStdString(out);
}

enum class Plain { Reads, Declines };

struct Variant
{
    const char *what;
    std::function<QByteArray()> text;
    Plain plain;
    DocumentLimits limits = {};
};

DocumentLimits smallElements()
{
    DocumentLimits limits;
    limits.maxElementBytes = 300;
    return limits;
}

std::vector<Variant> variants()
{
    const QByteArray rich = richTextWithoutEntities();
    auto edit = [rich](const char *pattern, std::string format) {
        return [=] { return edited(rich, pattern, format); };
    };
    auto as = [](QByteArray text) { return [=] { return text; }; };
    return {
        {"rich report as written (with entities)", richText, Plain::Reads},
        {"rich report without entities", as(rich), Plain::Reads},
        {"filled report", filledText, Plain::Reads},
        {"elements repeating their attributes, every kind", repeatingText, Plain::Reads},
        {"a repeating element without one of its sizes",
         [] { return edited(repeatingText(), R"re((<C7 [^>]*) W="[^"]*")re", "$1"); }, Plain::Reads},
        {"a repeating element placed by a non-number",
         [] { return edited(repeatingText(), R"re(<C9 L="[^"]*")re", "<C9 L=\"x\""); }, Plain::Declines},
        {"a repeating element naming a size twice",
         [] { return edited(repeatingText(), R"re(<C9 ([^>]*) RO=)re", "<C9 $1 L=\"0\" RO="); },
         Plain::Declines},
        {"a repeating check box with a caption other than 0 or 1",
         [] { return edited(repeatingText(), R"re((<C4 [^>]*>)[^<]*</C4>)re", "$1x</C4>"); }, Plain::Reads},
        // C9 ends as C10 does, but C10 also has that size before.
        {"a size after the first attribute, then twice",
         [] {
             const char *tag = R"re(<C(9|10) L="(\d+)" T="(\d+)" W="(\d+)" H="(\d+)"([^>]*?)(/?>))re";
             const QByteArray once = edited(repeatingText(), tag, R"(<C$1 L="$2" T="$3" W="$4"$6 H="$5"$7)");
             return edited(once, tag, R"(<C$1 L="$2" T="$3" H="$5"$6 H="$5"$7)");
         },
         Plain::Declines},
        {"a repeating element with geometry after its first attribute",
         [] { return edited(repeatingText(), R"re(<C9 L="([^"]*)" ([^>]*) RO=)re", "<C9 $2 L=\"$1\" RO="); },
         Plain::Reads},
        // Attributes and text the fast parser reads as the general one does.
        {"attributes in another order", edit(R"re(<C0 (L="[^"]*") (T="[^"]*"))re", "<C0 $2 $1"),
         Plain::Reads},
        {"unknown attribute", edit("<C0 ", "<C0 ZZ=\"1\" QQQ=\"2\" "), Plain::Reads},
        {"line breaks in a caption", edit("Title<", "Ti\r\ntle\rx\r<"), Plain::Reads},
        {"decimal references in a caption", edit("Title<", "&#20013;&#13;&#9;&#0010;<"), Plain::Reads},
        {"decimal references in a value", edit(R"re(FN="([^"]*)")re", "FN=\"$1&#13;&#20013;\""),
         Plain::Reads},
        {"whitespace after the root", edit("</Cellvex>", "</Cellvex>\r\n \t\r\n"), Plain::Reads},
        {"empty root element", as("<?xml version=\"1.0\" encoding=\"GBK\"?>\r\n<Cellvex/>"), Plain::Declines},
        {"hexadecimal references in a value", edit(R"re(FN=")re", "FN=\"&#x4E2D;&#x4e2d;&#xA;"),
         Plain::Reads},
        {"predefined entities in a value", edit(R"re(FN=")re", "FN=\"&amp;&lt;&gt;&quot;&apos;"),
         Plain::Reads},
        {"predefined entities in a caption", edit("Title<", "&lt;&amp;&gt;&quot;&apos;&#x9;<"), Plain::Reads},
        // References and markup that are the general parser's.
        {"another entity in a value", edit(R"re(FN=")re", "FN=\"&nbsp;"), Plain::Declines},
        {"an entity without end", edit("Title<", "&amp<"), Plain::Declines},
        {"an entity in capitals", edit("Title<", "&AMP;<"), Plain::Declines},
        {"a hexadecimal reference with a capital X", edit("Title<", "&#X41;<"), Plain::Declines},
        {"a hexadecimal reference without digits", edit("Title<", "&#x;<"), Plain::Declines},
        {"a reference to a surrogate", edit("Title<", "&#xD800;<"), Plain::Declines},
        {"a reference beyond Unicode", edit("Title<", "&#x110000;<"), Plain::Declines},
        {"reference to no XML character", edit("Title<", "&#1;<"), Plain::Declines},
        {"reference without end", edit("Title<", "&#20013<"), Plain::Declines},
        {"CDATA in a caption", edit("Title<", "<![CDATA[Ti]]>tle<"), Plain::Declines},
        {"comment between cells", edit("<C1 ", "<!-- x --><C1 "), Plain::Declines},
        {"processing instruction", edit("<Cellvex>", "<?pi x?><Cellvex>"), Plain::Declines},
        {"document type", edit("<Cellvex>", "<!DOCTYPE Cellvex><Cellvex>"), Plain::Declines},
        {"\">\" in a caption", edit("Title<", "a]]>b<"), Plain::Declines},
        // Whitespace and quoting the writer does not use.
        {"two spaces between attributes", edit("<C0 L=", "<C0  L="), Plain::Declines},
        {"line break between attributes", edit("<C0 L=", "<C0\r\n\tL="), Plain::Declines},
        {"space before the end of a tag", edit("</Cellvex>", "</Cellvex >"), Plain::Declines},
        {"single quotes", edit(R"re(<C0 L="([^"]*)")re", "<C0 L='$1'"), Plain::Declines},
        {"tab in a value", edit(R"re(FN=")re", "FN=\"\t"), Plain::Declines},
        {"byte order mark", [rich] { return "\xEF\xBB\xBF" + rich; }, Plain::Declines},
        {"other encoding name", edit("encoding=\"GBK\"", "encoding=\"gbk\""), Plain::Declines},
        {"no declaration", edit(R"re(<\?xml[^>]*>)re", ""), Plain::Declines},
        // Documents that are not well-formed or not reports.
        {"truncated in the cells", [rich] { return rich.left(rich.size() * 2 / 3); }, Plain::Declines},
        {"truncated in the declaration", [rich] { return rich.left(20); }, Plain::Declines},
        {"truncated after the cells", [rich] { return rich.left(rich.lastIndexOf("</Cellvex>") + 5); },
         Plain::Declines},
        {"duplicated attribute", edit("<C0 ", "<C0 ZZ=\"1\" ZZ=\"1\" "), Plain::Declines},
        {"duplicated long attribute", edit("<C0 ", "<C0 QQQ=\"1\" QQQ=\"2\" "), Plain::Declines},
        {"attribute given twice", edit(R"re(<C0 (L="[^"]*"))re", "<C0 $1 $1"), Plain::Declines},
        {"bad attribute value", edit(R"re(<C0 ([^>]*) HA="[^"]*")re", "<C0 $1 HA=\"9\""), Plain::Declines},
        {"other root", edit("<Cellvex>", "<Cellvey>"), Plain::Declines},
        {"mismatched end tag", edit("</Cellvex>", "</Cellvez>"), Plain::Declines},
        {"name with another character", edit("<C0 ", "<C0_ "), Plain::Declines},
        {"text after the root", edit("</Cellvex>", "</Cellvex>x"), Plain::Declines},
        {"second root", edit("</Cellvex>", "</Cellvex><Cellvex/>"), Plain::Declines},
        {"more columns than the ruler", edit(R"re(CC="(\d+)")re", "CC=\"1$1\""), Plain::Declines},
        {"caption beyond the element limit", edit("Title<", "Title" + std::string(400, 'x') + "<"),
         Plain::Declines, smallElements()},
    };
}

} // namespace

TEST(PlainXmlReader, ReadsWhatTheGeneralParserReadsAndDeclinesTheRest)
{
    for (const Variant &v : variants()) {
        SCOPED_TRACE(v.what);
        const QByteArray stored = storedFormOf(packText(v.text()));
        std::optional<LoadedReport> plain = readPlainReportDocument(stored, kPpi, v.limits);
        const Outcome general = outcomeOf([&] { return readGeneralReportDocument(stored, kPpi, v.limits); });
        const Outcome opened = outcomeOf([&] { return readReportDocument(stored, kPpi, v.limits); });
        EXPECT_EQ(plain.has_value(), v.plain == Plain::Reads);
        if (plain) {
            EXPECT_TRUE(general.failure.isEmpty()) << qPrintable(general.failure);
            EXPECT_TRUE(resaved(std::move(*plain)) == general.resaved);
        }
        EXPECT_EQ(opened, general) << qPrintable(opened.failure) << " / " << qPrintable(general.failure);
    }
}

// Text arrives in pieces of any size: every cut of it, inside an element
// or a character, gives the same report.
void expectSameReportInPieces(const QByteArray &text)
{
    const QByteArray expected = resaved(readGeneralReportDocument(storedFormOf(packText(text)), kPpi));
    const QByteArray utf8 = ansiDocumentToUtf8(text);
    const DocumentLimits limits;
    for (const qsizetype piece : {1, 2, 3, 7, 64, 4093}) {
        SCOPED_TRACE(piece);
        LoadedReport loaded(kPpi);
        ReportXmlReader events(loaded, limits);
        PlainXmlReader plain(events, limits, CellElementReader::geometryAttributes());
        bool read = true;
        for (qsizetype at = 0; read && at < utf8.size(); at += piece) {
            plain.buffer().append(utf8.mid(at, piece));
            read = plain.parse(false);
        }
        ASSERT_TRUE(read && plain.parse(true));
        EXPECT_TRUE(resaved(std::move(loaded)) == expected);
    }
}

TEST(PlainXmlReader, ReadsTheSameAcrossPieceBoundaries)
{
    for (const QByteArray &text : {richText(), repeatingText()}) {
        SCOPED_TRACE(text.size());
        expectSameReportInPieces(text);
    }
}

TEST(PackText, StoredFormDecodesInOnePassAsInTwo)
{
    const QByteArray packed = packText(QByteArray(5000, 'x') + "中文");
    const QByteArray cases[] = {
        storedFormOf(packed),
        storedFormOf(packed) + "--",
        "QUJD",
        "QUI=",
        "QQ==",
        "Q",
        "QU-\nJD",
        "-",
        "Q-",
        "QU==JD",
        "Q U\tJ*D",
        "",
    };
    for (const QByteArray &stored : cases)
        EXPECT_EQ(base64DataOfStoredForm(stored), base64Data(packedFromStoredForm(stored)))
            << stored.constData();
}
