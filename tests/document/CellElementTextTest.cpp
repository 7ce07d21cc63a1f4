// The streamed cell elements against the XML library: an element the
// library parses and prints again must come out byte for byte as it was
// streamed, so the stored form stays what the library would have written.
#include "DocumentFixture.h"

#include "common/ReportError.h"
#include "document/CellElementText.h"
#include "document/XmlTextWriter.h"

namespace cellvex::test {

namespace {

// The line as the library prints the element it parses from it, in GBK.
std::string reprinted(const std::string &line)
{
    const QByteArrayView element = QByteArrayView(line.data(), qsizetype(line.size())).chopped(2);
    const XmlDocument doc = XmlDocument::parseUtf8(ansiDocumentToUtf8(element));
    QByteArray utf8;
    XmlTextWriter writer([&utf8](QByteArrayView piece) { utf8.append(piece); });
    writer.writeElement(doc.root());
    writer.finish();
    return utf8DocumentToAnsi(utf8).toStdString();
}

void expectEveryLineAsPrinted(const Report &report)
{
    CellElementText text(report);
    for (int c = 0; c < report.colCount(); ++c)
        for (int r = 0; r < report.rowCount(); ++r) {
            std::string line;
            text.append(line, c, r, 0);
            EXPECT_EQ(line, reprinted(line)) << "column " << c << ", row " << r;
        }
}

} // namespace

TEST(CellElementTextTest, EveryCellOfEveryKindAsTheLibraryPrintsIt)
{
    Report report;
    PageSettings page(kPpi);
    buildRichReport(report, page);
    expectEveryLineAsPrinted(report);
}

struct EscapeCase
{
    const char *name;
    QString value;
};

class CellElementTextEscapeTest : public ::testing::TestWithParam<EscapeCase>
{
};

TEST_P(CellElementTextEscapeTest, InTheCaptionAndInAttributes)
{
    const QString v = GetParam().value;
    Report report;
    report.newReport(2, 2);
    report.setCellCaption(0, 0, v);
    report.setFontName(0, 1, QStringLiteral("宋体 \"&<>'"));
    Cell &cell = *report.cell(1, 1);
    cell.setFormatText(v);
    cell.setScriptText(v);
    cell.setExpressionText(v);
    report.setAppendRange(1, 1, 2);
    report.setAppendString(1, 1, 1, v);
    report.setCellCaption(1, 1, v);
    expectEveryLineAsPrinted(report);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CellElementTextEscapeTest,
    ::testing::Values(EscapeCase{"markup", QStringLiteral("<a href=\"x\">&amp; 'q' > </a>")},
                      EscapeCase{"breaks_and_tabs", QStringLiteral("\r\na\r\nb\nc\rd\te\t")},
                      EscapeCase{"code_page", QStringLiteral("中文，€ ￥ 〇")},
                      EscapeCase{"outside_the_code_page", QStringLiteral("😀 한글 ✓ ǹ ⅷ")},
                      EscapeCase{"references_as_text", QStringLiteral("&#13; &lt; &#x1F600;")},
                      EscapeCase{"blanks", QStringLiteral("  lead and trail  ")}),
    [](const auto &info) { return std::string(info.param.name); });

struct RefusedCase
{
    const char *name;
    std::function<void(Report &)> put;
    const char *named; // what the message names besides the cell
};

class CellElementTextRefusalTest : public ::testing::TestWithParam<RefusedCase>
{
};

TEST_P(CellElementTextRefusalTest, NamesTheCellAndTheValue)
{
    Report report;
    report.newReport(3, 3);
    GetParam().put(report);
    CellElementText text(report);
    std::string line = "kept";
    try {
        text.append(line, 1, 2, 2);
        FAIL() << "no error";
    } catch (const ReportError &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("第 2 列第 3 行的单元")))
            << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(QString::fromUtf8(GetParam().named))) << e.message().toStdString();
    }
    EXPECT_EQ(line, "kept"); // nothing of the cell is left behind
}

INSTANTIATE_TEST_SUITE_P(
    Values, CellElementTextRefusalTest,
    ::testing::Values(
        RefusedCase{"caption", [](Report &r) { r.setCellCaption(1, 2, QStringLiteral("a\x01")); },
                    "元素 C5 的文本"},
        RefusedCase{"format_text", [](Report &r) { r.cell(1, 2)->setFormatText(QString(QChar(0xFFFF))); },
                    "属性 FX"},
        RefusedCase{"lone_surrogate",
                    [](Report &r) { r.cell(1, 2)->setScriptText(QString(QChar(0xD800)) + 'x'); }, "属性 SX"},
        RefusedCase{"append_string",
                    [](Report &r) {
                        r.setAppendRange(1, 2, 3);
                        r.setAppendString(1, 2, 2, QStringLiteral("\x1f"));
                    },
                    "属性 AS2"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace cellvex::test
