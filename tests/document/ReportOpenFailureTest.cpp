#include "DocumentFixture.h"

using namespace cellvex;
using namespace cellvex::test;

namespace {

// The document text of a small report as the writer makes it, to be changed
// by hand: 2 columns by 2 rows, cell (1, 0) with a caption.
QString writtenText()
{
    Report report;
    report.newReport(2, 2);
    report.setCellCaption(1, 0, QStringLiteral("x"));
    return QString::fromUtf8(ansiDocumentToUtf8(documentBytes(storedReport(report, PageSettings(kPpi)))));
}

// The text with the first occurrence of `from` replaced.
QString replaced(QString text, const QString &from, const QString &to)
{
    const qsizetype at = text.indexOf(from);
    EXPECT_GE(at, 0) << qPrintable(from);
    return at < 0 ? text : text.replace(at, from.size(), to);
}

QString withoutElement(const QString &text, const QString &name)
{
    const qsizetype from = text.indexOf(QLatin1Char('<') + name);
    const QString end = QStringLiteral("</") + name + QLatin1Char('>');
    const qsizetype to = text.indexOf(end, from);
    EXPECT_TRUE(from >= 0 && to > from) << qPrintable(name);
    return QString(text).remove(from, to + end.size() - from);
}

LoadedReport readText(const QString &xml, const DocumentLimits &limits = {})
{
    return readReportDocument(storedFromText(xml), kPpi, limits);
}

// The failure message of reading, or "<opened>".
QString failureOf(const QByteArray &stored, const DocumentLimits &limits = {})
{
    try {
        readReportDocument(stored, kPpi, limits);
    } catch (const ReportError &e) {
        return e.message();
    }
    return QStringLiteral("<opened>");
}

} // namespace

TEST(ReportOpenFailure, TextThatIsNoStoredReportFailsWithAMessage)
{
    const QByteArray good = storedFromText(writtenText());
    QByteArray flipped = good;
    flipped[good.size() / 2] = flipped[good.size() / 2] == 'A' ? 'B' : 'A';
    struct Case
    {
        const char *what;
        QByteArray stored;
        const char *fragment;
    } cases[] = {
        {"empty", QByteArray(), "无法解包"},
        {"plain words", QByteArray("hello world"), "无法解包"},
        {"truncated", good.left(good.size() / 2), "无法解包"},
        {"one character changed", flipped, "无法解包"},
        {"plain XML", QByteArray("<Cellvex/>"), "无法解包"},
        {"packed, not GBK", storedFormOf(packText("<a>\x81\x20</a>")), "GBK"},
        {"packed, not XML", storedFromText(QStringLiteral("just text")), "XML"},
        {"unclosed element", storedFromText(writtenText().remove(QStringLiteral("</Cellvex>"))), "XML"},
    };
    for (const Case &c : cases) {
        const QString message = failureOf(c.stored);
        EXPECT_TRUE(message.startsWith(QStringLiteral("无法打开报表：")))
            << c.what << ": " << qPrintable(message);
        EXPECT_TRUE(message.contains(QString::fromUtf8(c.fragment))) << c.what << ": " << qPrintable(message);
    }
}

TEST(ReportOpenFailure, DocumentsThatCannotBeReadFail)
{
    const QString text = writtenText();
    struct Case
    {
        const char *what;
        QString xml;
        const char *fragment;
    } cases[] = {
        {"other root", replaced(replaced(text, "<Cellvex>", "<Report>"), "</Cellvex>", "</Report>"),
         "Cellvex"},
        {"three parts", withoutElement(text, "PoleY"), "少于四个"},
        {"part twice", replaced(replaced(text, "<PoleY ", "<PoleX "), "</PoleY>", "</PoleX>"), "两次"},
        {"ruler mode not a number", replaced(text, "PV=\"1\"", "PV=\"one\""), "PV"},
        {"orientation not a number", replaced(text, "OT=\"1\"", "OT=\"\""), "OT"},
        {"copies not a number", replaced(text, "PC=\"1\"", "PC=\"1.5\""), "PC"},
        {"count missing", replaced(text, "XC=\"2\"", ""), "XC"},
        {"fewer sizes than the count", replaced(text, "XC=\"2\"", "XC=\"3\""), "XC"},
        {"size not a number", replaced(text, ">80,80,<", ">80,eighty,<"), "eighty"},
        {"sizes beyond a surface", replaced(text, ">80,80,<", ">2147483600,80,<"), "XC"},
        {"cell count differs from the ruler", replaced(text, "CC=\"2\"", "CC=\"3\""), "不一致"},
        {"cell count not a number", replaced(text, "RC=\"2\"", "RC=\"two\""), "RC"},
        {"element name", replaced(text, "<C3 ", "<X3 "), "X3"},
        {"element beyond the grid", replaced(text, "<C3 ", "<C4 "), "C4"},
        {"font size", replaced(text, "FS=\"9\"", "FS=\"big\""), "FS"},
        {"alignment code", replaced(text, "HA=\"0\"", "HA=\"3\""), "HA"},
        {"unknown kind", replaced(text, "TP=\"1\"", "TP=\"3\""), "TP"},
        {"append range beyond its strings", replaced(text, "AR=\"0\">x<", "AR=\"999999999\">x<"), "AR"},
        {"more append strings than a cell holds",
         replaced(text, "AR=\"0\">x<",
                  [] {
                      QString many = QStringLiteral("AR=\"65537\"");
                      for (int n = 0; n < 65537; ++n)
                          many += QStringLiteral(" AS%1=\"a\"").arg(n);
                      return many + QStringLiteral(">x<");
                  }()),
         "65536"},
        {"control character by reference", replaced(text, ">x<", ">&#1;<"), "字符引用"},
        {"document type declaration",
         replaced(text, "<Cellvex>", "<!DOCTYPE Cellvex [<!ENTITY a \"aaaaaaaaaa\">]><Cellvex>"),
         "文档类型声明"},
        {"undefined entity", replaced(text, ">x<", ">&a;<"), "未定义的实体"},
        {"picture that is no bitmap",
         replaced(text, "AR=\"0\">x<",
                  "AR=\"0\" IS=\"0\" BM=\"" + QString::fromLatin1(packText("not a bitmap")) + "\">x<"),
         "BM"},
    };
    for (const Case &c : cases) {
        const QString message = failureOf(storedFromText(c.xml));
        EXPECT_TRUE(message.startsWith(QStringLiteral("无法打开报表：")))
            << c.what << ": " << qPrintable(message);
        EXPECT_TRUE(message.contains(QString::fromUtf8(c.fragment))) << c.what << ": " << qPrintable(message);
    }
}

TEST(ReportOpenFailure, MergeStatesThatDescribeNoBlockFail)
{
    // 2 x 2 grid; each case gives the S/CL/CT/CR/CB of the four cells C0..C3.
    struct Case
    {
        const char *what;
        const char *cells[4];
    } cases[] = {
        {"master without covered cells",
         {"S=\"1\" CL=\"0\" CT=\"0\" CR=\"1\" CB=\"0\"", "S=\"0\"", "S=\"0\"", "S=\"0\""}},
        {"covered without master",
         {"S=\"0\"", "S=\"2\" CL=\"0\" CT=\"0\" CR=\"0\" CB=\"1\"", "S=\"0\"", "S=\"0\""}},
        {"block beyond the grid",
         {"S=\"1\" CL=\"0\" CT=\"0\" CR=\"0\" CB=\"2\"", "S=\"2\" CL=\"0\" CT=\"0\" CR=\"0\" CB=\"2\"",
          "S=\"0\"", "S=\"0\""}},
        {"master naming another corner",
         {"S=\"1\" CL=\"1\" CT=\"0\" CR=\"1\" CB=\"1\"", "S=\"0\"", "S=\"0\"", "S=\"0\""}},
        {"sign out of range", {"S=\"3\"", "S=\"0\"", "S=\"0\"", "S=\"0\""}},
    };
    for (const Case &c : cases) {
        QString xml =
            QStringLiteral("<Cellvex><Page/><PoleX XC=\"2\">80,80,</PoleX><PoleY YC=\"2\">19,19,</PoleY>"
                           "<Cell CC=\"2\" RC=\"2\">");
        for (int i = 0; i < 4; ++i)
            xml += QStringLiteral("<C%1 %2/>").arg(i).arg(QString::fromUtf8(c.cells[i]));
        xml += QStringLiteral("</Cell></Cellvex>");
        EXPECT_NE(failureOf(storedFromText(xml)), QStringLiteral("<opened>")) << c.what;
    }
}

TEST(ReportOpenFailure, AbsurdSizesFailBeforeTakingMemory)
{
    DocumentLimits small;
    small.maxCells = 100;
    small.maxTextBytes = 64 * 1024;
    small.maxStoredBytes = 64 * 1024;
    // A huge grid claimed by a few bytes.
    const QString huge =
        QStringLiteral("<Cellvex><Page/><PoleX XC=\"100000\">%1</PoleX><PoleY YC=\"1\">19,</PoleY>"
                       "<Cell CC=\"100000\" RC=\"1\"/></Cellvex>")
            .arg(QStringLiteral("1,").repeated(100000));
    EXPECT_TRUE(failureOf(storedFromText(huge), small).contains(QStringLiteral("上限")));
    small.maxTextBytes = 1 << 30;
    EXPECT_TRUE(failureOf(storedFromText(huge), small).contains(QStringLiteral("XC")));
    // Text that inflates beyond the limit, and a stored form beyond its own.
    small.maxTextBytes = 64 * 1024;
    const QString padded = writtenText().replace(
        QStringLiteral("<Page "), QStringLiteral("<Page GH=\"%1\" ").arg(QString(100000, 'a')));
    EXPECT_TRUE(failureOf(storedFromText(padded), small).contains(QStringLiteral("上限")));
    EXPECT_TRUE(failureOf(QByteArray(small.maxStoredBytes + 1, 'A'), small).contains(QStringLiteral("上限")));
}

TEST(ReportOpenFailure, GapsAreFilledAndOddButReadableDocumentsOpen)
{
    // No declaration, parts in another order, attributes and cells left out,
    // unknown attributes, a later element for the same cell, a fifth part
    // (not read at all).
    const QString xml =
        QStringLiteral("<Cellvex><PoleY YC=\"2\">19,30,</PoleY><Cell RC=\"2\" CC=\"2\">"
                       "<C3 FS=\"12\" Extra=\"ignored\">first</C3><C3 HA=\"2\">second</C3>"
                       "<C1 TP=\"14\">yes</C1><C2 TP=\"14\">1</C2></Cell>"
                       "<PoleX XC=\"2\">100,-5,</PoleX><Page OT=\"7\" PC=\"2\"/><Page PC=\"x\"/></Cellvex>");
    const LoadedReport r = readText(xml);
    EXPECT_FALSE(r.page.landscape); // only 0 is landscape
    EXPECT_EQ(r.page.copies, 2);
    EXPECT_EQ(r.page.paperName, PageSettings(kPpi).paperName);
    EXPECT_EQ(r.colRanges, std::vector<int>({100, -5}));
    EXPECT_EQ(r.rowRanges, std::vector<int>({19, 30}));
    ASSERT_EQ(r.cells.colCount(), 2);
    ASSERT_EQ(r.cells.rowCount(), 2);
    const Cell &c3 = r.cells.at(1, 1);
    EXPECT_EQ(c3.caption(), QStringLiteral("second"));
    EXPECT_EQ(int(c3.alignment()), 2);
    EXPECT_EQ(r.fonts.attributes(c3.fontId()).size, 9); // the first element is gone entirely
    EXPECT_EQ(c3.tagX(), 1);
    EXPECT_EQ(c3.tagY(), 1);
    // A check box holds "1" or "0" whatever the element says.
    EXPECT_EQ(r.cells.at(0, 1).caption(), QStringLiteral("0"));
    EXPECT_EQ(r.cells.at(1, 0).caption(), QStringLiteral("1"));
    EXPECT_TRUE(r.cells.at(1, 0).haveCheckBox());
    // A cell without an element is a new cell.
    EXPECT_EQ(r.cells.at(0, 0).caption(), QString());
    EXPECT_EQ(r.cells.at(0, 0).borderLeft(), 1);
    EXPECT_EQ(r.cells.at(0, 0).tagX(), 0);
}

TEST(ReportOpenFailure, ChartSeriesAreRecordedAsAddingThemWould)
{
    const QString xml = QStringLiteral(
        "<Cellvex><Page/><PoleX XC=\"1\">80,</PoleX><PoleY YC=\"1\">19,</PoleY><Cell CC=\"1\" RC=\"1\">"
        "<C0 TP=\"11\" CI=\"t\" SC=\"5\" ST0=\"9\" SS0=\"2\" SD0=\"1,1,2,2\" ST1=\"0\" ST2=\"8\" SS2=\"2,2\" "
        "SD2=\"1,1,2,2\" ST3=\"12\" SS3=\"x\" ST4=\"1\" SS4=\"2\" SD4=\"1,2,3,4\"/></Cell></Cellvex>");
    const LoadedReport r = readText(xml);
    const Cell &chart = r.cells.at(0, 0);
    EXPECT_TRUE(chart.haveChart());
    const CellExtension *ext = chart.extensionIfAny();
    ASSERT_TRUE(ext);
    EXPECT_EQ(ext->chartInfo.titleText, QStringLiteral("t"));
    QStringList entries;
    for (const ChartSeriesInfo &s : ext->seriesInfo)
        entries << QStringLiteral("%1|%2|%3").arg(s.seriesType).arg(s.signText, s.dataText);
    // 9 takes the "markers @ points" form and a companion, 0 and 12 add nothing, 8 has a companion.
    EXPECT_EQ(entries, QStringList({"9|2|1,1,2,2,@1,1,2,2", "0||", "8|2,2|1,1,2,2", "0||", "1|2|1,2,3,4"}));
}

TEST(ReportOpenFailure, ASeriesWithUnreadableValuesFailsTheDocument)
{
    const QString xml = QStringLiteral(
        "<Cellvex><Page/><PoleX XC=\"1\">80,</PoleX><PoleY YC=\"1\">19,</PoleY><Cell CC=\"1\" RC=\"1\">"
        "<C0 TP=\"11\" SC=\"2\" ST0=\"1\" SS0=\"1\" SD0=\"1,1\" ST1=\"1\" SS1=\"1\" "
        "SD1=\".,1\"/></Cell></Cellvex>");
    const QString message = failureOf(storedFromText(xml));
    EXPECT_TRUE(message.contains(QStringLiteral("SD1"))) << qPrintable(message);
    EXPECT_TRUE(message.contains(QStringLiteral("不是可读的数"))) << qPrintable(message);
}
