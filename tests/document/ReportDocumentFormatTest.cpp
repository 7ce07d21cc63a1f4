#include "DocumentFixture.h"
#include "cells/ChartCell.h"
#include "report/ChartCellOps.h"

#include "common/AnsiText.h"

using namespace cellvex;
using namespace cellvex::test;

namespace {

QByteArray storedOf(const Report &report)
{
    return storedReport(report, PageSettings(kPpi));
}

} // namespace

TEST(ReportDocumentFormat, StoredFormIsOneLineOfBase64WithDashPairsEvery76)
{
    Report report;
    report.newReport(1, 1);
    const QByteArray stored = storedOf(report);
    for (char c : stored) {
        const bool base64 = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                            c == '+' || c == '/' || c == '=' || c == '-';
        ASSERT_TRUE(base64) << "byte " << int(c);
    }
    const QList<QByteArray> lines = stored.split('-');
    // "--" splits into a line and an empty piece.
    ASSERT_GT(lines.size(), 2);
    for (qsizetype i = 0; i + 2 < lines.size(); i += 2) {
        EXPECT_EQ(lines[i].size(), 76) << i;
        EXPECT_TRUE(lines[i + 1].isEmpty()) << i;
    }
    EXPECT_LE(lines.last().size(), 76);
}

TEST(ReportDocumentFormat, DocumentTextHasDeclarationRootAndFourPartsInOrder)
{
    Report report;
    report.newReport(2, 3);
    report.setCellCaption(0, 0, QStringLiteral("中文"));
    const QByteArray bytes = documentBytes(storedOf(report));
    EXPECT_TRUE(bytes.startsWith("<?xml version=\"1.0\" encoding=\"GBK\"?>\r\n"));
    EXPECT_TRUE(bytes.endsWith("</Cellvex>\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n'));
    EXPECT_TRUE(bytes.contains(toAnsi(QStringLiteral("中文")))); // GBK bytes, not UTF-8
    // Line breaks inside values are references, so each element keeps its
    // line and no parser's line-end handling can touch them.
    report.setCellCaption(1, 1, QStringLiteral("a\r\nb"));
    const QByteArray withBreak = documentBytes(storedOf(report));
    EXPECT_TRUE(withBreak.contains("a&#13;&#10;b</C4>"));
    const XmlDocument doc = XmlDocument::parseUtf8(ansiDocumentToUtf8(bytes));
    EXPECT_EQ(doc.root().name(), QStringLiteral("Cellvex"));
    QStringList names;
    for (XmlElement e : doc.root().children())
        names << e.name();
    EXPECT_EQ(names, QStringList({"Page", "PoleX", "PoleY", "Cell"}));
}

TEST(ReportDocumentFormat, RulersAndCellPositions)
{
    Report report;
    report.newReport(3, 5);
    report.colRuler().setPoleRange(2, 120);
    report.setCellCaption(2, 1, QStringLiteral("here"));
    const XmlDocument doc = parsedDocument(storedOf(report));
    const std::vector<XmlElement> parts = doc.root().children();
    EXPECT_EQ(parts[1].attribute("XC"), std::optional<QString>(QStringLiteral("3")));
    EXPECT_EQ(parts[1].text(), QStringLiteral("80,80,120,"));
    EXPECT_EQ(parts[2].attribute("YC"), std::optional<QString>(QStringLiteral("5")));
    EXPECT_EQ(parts[2].text(), QStringLiteral("19,19,19,19,19,"));
    EXPECT_EQ(parts[3].attribute("CC"), std::optional<QString>(QStringLiteral("3")));
    EXPECT_EQ(parts[3].attribute("RC"), std::optional<QString>(QStringLiteral("5")));
    // Column by column; column 2, row 1 of five rows is C11.
    const std::vector<XmlElement> cells = parts[3].children();
    ASSERT_EQ(cells.size(), 15u);
    for (size_t i = 0; i < cells.size(); ++i)
        EXPECT_EQ(cells[i].name(), QStringLiteral("C%1").arg(i));
    EXPECT_EQ(cells[11].text(), QStringLiteral("here"));
    const XmlElement c11 = cells[11];
    EXPECT_EQ(c11.attribute("L"), std::optional<QString>(QStringLiteral("160")));
    EXPECT_EQ(c11.attribute("T"), std::optional<QString>(QStringLiteral("19")));
    EXPECT_EQ(c11.attribute("W"), std::optional<QString>(QStringLiteral("120")));
    EXPECT_EQ(c11.attribute("H"), std::optional<QString>(QStringLiteral("19")));
}

TEST(ReportDocumentFormat, PlainCellAttributesInTableOrder)
{
    Report report;
    report.newReport(1, 1);
    const XmlDocument doc = parsedDocument(storedOf(report)); // owns the elements read below
    const XmlElement e = cellElement(doc, 0, 0);
    EXPECT_EQ(attributeNames(e),
              QStringList({"L",  "T",  "W",  "H",  "FN", "FS", "FC", "FT", "BC", "HA", "VA",
                           "RO", "BL", "BT", "BR", "BB", "S",  "ML", "FP", "FX", "TL", "IM",
                           "AN", "NX", "NY", "RH", "TP", "DT", "SP", "SX", "EX", "AR"}));
    const auto value = [&e](const char *name) {
        return e.attribute(name).value_or(QStringLiteral("<absent>"));
    };
    EXPECT_EQ(value("FN"), QStringLiteral("宋体"));
    EXPECT_EQ(value("FS"), QStringLiteral("9"));
    EXPECT_EQ(value("FT"), QStringLiteral("0000"));
    EXPECT_EQ(value("BC"), QStringLiteral("16777215"));
    EXPECT_EQ(value("VA"), QStringLiteral("1"));
    EXPECT_EQ(value("BL"), QStringLiteral("1"));
    EXPECT_EQ(value("BR"), QStringLiteral("0"));
    EXPECT_EQ(value("NX"), QStringLiteral("-1"));
    EXPECT_EQ(value("TP"), QStringLiteral("1"));
}

TEST(ReportDocumentFormat, ValueEncodingsOfSingleProperties)
{
    struct Case
    {
        const char *what;
        std::function<void(Report &)> set;
        const char *attribute;
        const char *expected; // nullptr: the attribute is absent
    } cases[] = {
        {"bold underlined",
         [](Report &r) {
             r.setFontStyle(0, 0, 0, true);
             r.setFontStyle(0, 0, 2, true);
         },
         "FT", "1010"},
        {"italic strike-out",
         [](Report &r) {
             r.setFontStyle(0, 0, 1, true);
             r.setFontStyle(0, 0, 3, true);
         },
         "FT", "0101"},
        {"system colour", [](Report &r) { r.setBackColor(0, 0, kButtonFace); }, "BC", "-2147483633"},
        {"font colour", [](Report &r) { r.setFontColor(0, 0, 0x0000FF); }, "FC", "255"},
        {"centre", [](Report &r) { r.setAlignment(0, 0, HAlign::Center); }, "HA", "1"},
        {"read-only", [](Report &r) { r.cell(0, 0)->setReadOnly(true); }, "RO", "1"},
        {"diagonal", [](Report &r) { r.setCellBorders(0, 0, BorderDiagonal, 2); }, "DT", "2"},
        {"drop list", [](Report &r) { setDropCell(r, 0, 0, QStringLiteral("a\r\nb\r\n")); }, "TC",
         "a\r\nb\r\n"},
        {"text cell has no list", [](Report &) {}, "TC", nullptr},
        {"button", [](Report &r) { setButtonCell(r, 0, 0, QStringLiteral("b"), QStringLiteral("x")); }, "BS",
         "x"},
        {"check box", [](Report &r) { setCheckCell(r, 0, 0, QStringLiteral("ok")); }, "CE", "ok"},
        {"check box kind", [](Report &r) { setCheckCell(r, 0, 0, QString()); }, "TP", "14"},
        {"plain cell has no merge bounds", [](Report &) {}, "CL", nullptr},
        {"append strings",
         [](Report &r) {
             r.setAppendRange(0, 0, 2);
             r.setAppendString(0, 0, 1, QStringLiteral("z"));
         },
         "AS1", "z"},
        {"no picture without one", [](Report &) {}, "BM", nullptr},
        {"diagonal keeps its layer out", [](Report &r) { r.setCellBorders(0, 0, BorderDiagonal, 1); }, "BM",
         nullptr},
    };
    for (const Case &c : cases) {
        Report report;
        report.newReport(1, 1);
        c.set(report);
        const XmlDocument doc = parsedDocument(storedOf(report)); // owns the elements read below
        const XmlElement e = cellElement(doc, 0, 0);
        const std::optional<QString> v = e.attribute(c.attribute);
        if (c.expected)
            EXPECT_EQ(v.value_or(QStringLiteral("<absent>")), QString::fromUtf8(c.expected)) << c.what;
        else
            EXPECT_FALSE(v.has_value()) << c.what;
    }
}

TEST(ReportDocumentFormat, MergeBoundsOnlyOnMergedCells)
{
    Report report;
    report.newReport(2, 2);
    const BlockBounds block{0, 0, 1, 0};
    report.cell(0, 0)->setMerge(MergeSign::Master, block);
    report.cell(1, 0)->setMerge(MergeSign::Covered, block);
    const XmlDocument doc = parsedDocument(storedOf(report));
    for (auto [col, row, sign] : {std::tuple{0, 0, "1"}, std::tuple{1, 0, "2"}}) {
        const XmlElement e = cellElement(doc, col, row);
        EXPECT_EQ(e.attribute("S").value_or(QString()), QLatin1String(sign));
        EXPECT_EQ(e.attribute("CR").value_or(QString()), QStringLiteral("1"));
        EXPECT_EQ(e.attribute("CB").value_or(QString()), QStringLiteral("0"));
    }
    // The master's geometry spans the block.
    EXPECT_EQ(cellElement(doc, 0, 0).attribute("W").value_or(QString()), QStringLiteral("160"));
    EXPECT_FALSE(cellElement(doc, 0, 1).attribute("CL").has_value());
}

TEST(ReportDocumentFormat, PicturesAndChartsWriteTheirOwnAttributes)
{
    Report report;
    report.newReport(2, 1);
    showCellPicture(*report.cell(0, 0), testPicture(QImage::Format_RGB32), true);
    Cell &chart = *report.cell(1, 0);
    chart.setKind(CellKind::Chart);
    applyChart(chart, report.fonts().font(chart.fontId()),
               {QStringLiteral("t"), QStringLiteral("h"), QStringLiteral("v")});
    appendChartSeries(chart, 8, QStringLiteral("2,2"), QStringLiteral("1,1,2,2"));
    setChartBackground(chart, testPicture(QImage::Format_RGB32), false);
    rebuildChartSnapshot(report, 1, 0);
    const XmlDocument doc = parsedDocument(storedOf(report));

    const XmlElement pictureCell = cellElement(doc, 0, 0);
    const QStringList p = attributeNames(pictureCell);
    ASSERT_EQ(p.indexOf("BM"), p.indexOf("IS") + 1);
    EXPECT_EQ(p.indexOf("DT"), p.indexOf("BM") + 1);
    EXPECT_EQ(pictureCell.attribute("IS").value_or(QString()), QStringLiteral("1"));
    // A packed BMP file, its Base64 line breaks kept inside the value.
    const QString packed = pictureCell.attribute("BM").value_or(QString());
    EXPECT_TRUE(packed.contains(QStringLiteral("\r\n")));
    EXPECT_TRUE(unpackText(packed.toLatin1(), 1 << 20).startsWith("BM"));

    const XmlElement chartCell = cellElement(doc, 1, 0);
    const QStringList c = attributeNames(chartCell);
    const QStringList expectedOrder = {"TP",  "CI",  "CH",  "CV",  "SC", "ST0", "SS0",
                                       "SD0", "ST1", "SS1", "SD1", "IS", "CM",  "DT"};
    qsizetype at = c.indexOf("TP");
    ASSERT_GE(at, 0);
    EXPECT_EQ(c.mid(at, expectedOrder.size()), expectedOrder);
    EXPECT_EQ(chartCell.attribute("SC").value_or(QString()), QStringLiteral("2"));
    EXPECT_EQ(chartCell.attribute("ST1").value_or(QString()), QStringLiteral("0"));
    EXPECT_FALSE(chartCell.attribute("BM").has_value());
}

TEST(ReportDocumentFormat, PageAttributes)
{
    Report report;
    report.newReport(1, 1);
    report.setHeaderCount(2);
    PageSettings page(kPpi);
    page.setLandscape(true);
    page.copies = 4;
    page.printBorders = false;
    const XmlDocument doc = parsedDocument(storedReport(report, page));
    const XmlElement e = doc.root().firstChild();
    EXPECT_EQ(attributeNames(e),
              QStringList({"PV", "OT", "PT", "PN", "PW", "PH", "LL", "LR", "LT", "LB", "LH", "LF",
                           "PB", "PA", "GN", "GS", "GH", "GF", "PC", "PD", "PF", "IP", "IX"}));
    const auto value = [&e](const char *name) {
        return e.attribute(name).value_or(QStringLiteral("<absent>"));
    };
    EXPECT_EQ(value("OT"), QStringLiteral("0")); // landscape
    EXPECT_EQ(value("PW"), page.width.text);
    EXPECT_EQ(value("LF"), QStringLiteral("11.6"));
    EXPECT_EQ(value("PB"), QStringLiteral("0"));
    EXPECT_EQ(value("PA"), QStringLiteral("1"));
    EXPECT_EQ(value("PC"), QStringLiteral("4"));
    EXPECT_EQ(value("PD"), QStringLiteral("2"));
    EXPECT_EQ(value("GN"), QStringLiteral("宋体"));
}

TEST(ReportDocumentFormat, TextsNoDocumentCanCarryRefuseTheSave)
{
    Report report;
    report.newReport(2, 2);
    report.setCellCaption(1, 1, QStringLiteral("bell\x07"));
    try {
        storedOf(report);
        FAIL() << "saved a control character";
    } catch (const ReportError &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("第 2 列第 2 行"))) << qPrintable(e.message());
    }
}
