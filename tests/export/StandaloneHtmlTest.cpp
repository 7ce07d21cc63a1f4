// The standalone HTML page, checked the way a browser reads it: the page is
// parsed by html5lib (the WHATWG parsing algorithm, through html_tree.py),
// so a text that breaks out of its cell, a tag the parser has to repair or a
// table that is not rectangular shows up as a different tree.
#include "export/StandaloneHtml.h"
#include "ExportFixtures.h"

#include "cells/CellWidgets.h"
#include "common/ReportError.h"
#include "report/CellKindOps.h"
#include "report/Report.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

using namespace cellvex;
using cellvex::test::mergeBlock;

namespace {

const QString kPython = QStringLiteral("/usr/bin/python3");

// The parsed page as html_tree.py describes it; empty with `skip` set when
// the parser is not installed.
QJsonObject parsedPage(const QByteArray &html, QString &skip)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("page.html"));
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(html) != html.size())
        return {};
    out.close();
    QProcess python;
    python.start(kPython, {QStringLiteral(CELLVEX_HTML_TREE_SCRIPT), file});
    if (!python.waitForFinished(60000) || python.exitStatus() != QProcess::NormalExit) {
        skip = QStringLiteral("/usr/bin/python3 did not run");
        return {};
    }
    if (python.exitCode() == 3) {
        skip = QStringLiteral("python3-html5lib is not installed");
        return {};
    }
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

#define PARSE_OR_SKIP(var, html)                                                                             \
    QString skip_;                                                                                           \
    const QJsonObject var = parsedPage(html, skip_);                                                         \
    if (!skip_.isEmpty())                                                                                    \
        GTEST_SKIP() << skip_.toStdString();

// The cell whose text is `text`, or an empty object.
QJsonObject cellWithText(const QJsonObject &page, const QString &text)
{
    for (const QJsonValue row : page[QLatin1String("tables")][0][QLatin1String("rows")].toArray())
        for (const QJsonValue cell : row[QLatin1String("cells")].toArray())
            if (cell[QLatin1String("text")].toString() == text)
                return cell.toObject();
    return {};
}

QString allText(const QJsonObject &page)
{
    QString all;
    for (const QJsonValue row : page[QLatin1String("tables")][0][QLatin1String("rows")].toArray())
        for (const QJsonValue cell : row[QLatin1String("cells")].toArray())
            all += cell[QLatin1String("text")].toString() + QLatin1Char('|');
    return all;
}

// Lays the cells out as a browser does, spans included, and fails when a
// slot is filled twice or a row is not `cols` slots wide.
void expectRectangular(const QJsonObject &page, int cols)
{
    const QJsonArray rows = page[QLatin1String("tables")][0][QLatin1String("rows")].toArray();
    std::vector<std::vector<int>> used(std::size_t(rows.size()), std::vector<int>(std::size_t(cols), 0));
    for (qsizetype r = 0; r < rows.size(); ++r) {
        int c = 0;
        for (const QJsonValue cell : rows[r][QLatin1String("cells")].toArray()) {
            while (c < cols && used[std::size_t(r)][std::size_t(c)])
                ++c;
            for (int dr = 0; dr < cell[QLatin1String("rowspan")].toInt(); ++dr)
                for (int dc = 0; dc < cell[QLatin1String("colspan")].toInt(); ++dc) {
                    ASSERT_LT(r + dr, rows.size()) << "rowspan beyond the table";
                    ASSERT_LT(c + dc, cols) << "row " << r << " wider than the table";
                    int &slot = used[std::size_t(r + dr)][std::size_t(c + dc)];
                    EXPECT_EQ(slot, 0) << "overlap at row " << r + dr << " column " << c + dc;
                    slot = 1;
                }
            c += cell[QLatin1String("colspan")].toInt();
        }
    }
    for (std::size_t r = 0; r < used.size(); ++r)
        for (std::size_t c = 0; c < used[r].size(); ++c)
            EXPECT_EQ(used[r][c], 1) << "hole at row " << r << " column " << c;
}

// A 5 x 6 report with something of every kind the page shows; column 3 and
// row 4 are hidden.
struct StandaloneHtmlPage : ::testing::Test
{
    StandaloneHtmlPage()
    {
        report.newReport(5, 6);
        report.colRuler().setPoleRange(1, 120);
        report.colRuler().setPoleRange(3, 0);
        report.rowRuler().setPoleRange(4, 0);
        report.rowRuler().setPoleRange(5, 30);

        report.setCellCaption(0, 0, QStringLiteral("a<b & \"c\" </td>"));
        report.setFontName(0, 0, QStringLiteral("宋体"));
        report.setFontSize(0, 0, 12);
        report.setFontColor(0, 0, 0x0000FF); // red, as 0x00BBGGRR
        report.setFontStyle(0, 0, 0, true);
        report.setFontStyle(0, 0, 1, true);
        report.setFontStyle(0, 0, 2, true);
        report.setBackColor(0, 0, 0x00FFFF); // yellow
        report.setAlignment(0, 0, HAlign::Right);
        report.setVAlignment(0, 0, VAlign::Top);

        report.setCellCaption(1, 0, QStringLiteral("中文"));
        report.setCellBorders(2, 0, 3, 3); // right border, 3 pixels
        report.setCellCaption(2, 0, QStringLiteral("thick"));
        report.setCellCaption(3, 0, QStringLiteral("gone col"));
        report.setCellCaption(2, 4, QStringLiteral("gone row"));
        setCheckCell(report, 4, 0, QStringLiteral("已完成 <ok>"));
        report.setCellCaption(4, 0, QStringLiteral("1"));
        setCheckCell(report, 4, 1, QStringLiteral("open"));

        // Over the hidden column 3: two shown columns.
        mergeBlock(report, 1, 1, 3, 2);
        report.setCellCaption(1, 1, QStringLiteral("merged"));
        // Over the hidden row 4: one shown row.
        mergeBlock(report, 0, 3, 0, 4);
        report.setCellCaption(0, 3, QStringLiteral("tall"));

        picture.fill(qRgb(10, 200, 30));
        showCellPicture(*report.cell(4, 5), picture, false);
        report.setCellCaption(4, 5, QStringLiteral("behind the picture"));
    }

    StandaloneHtml page(const ExportRange &range) const
    {
        return standaloneHtml(report, range, QStringLiteral("r <1>"), QStringLiteral("r #1"));
    }
    ExportRange whole() const { return *exportRange(report, false, 0, 0, 0, 0); }

    Report report;
    QImage picture{5, 4, QImage::Format_RGB32};
};

} // namespace

TEST_F(StandaloneHtmlPage, ParsesCleanlyAsUtf8WithEscapedTexts)
{
    const StandaloneHtml html = page(whole());
    EXPECT_TRUE(html.html.startsWith("<!DOCTYPE html>"));
    EXPECT_TRUE(html.html.contains("中文")) << "UTF-8 bytes, not references";
    PARSE_OR_SKIP(parsed, html.html);
    EXPECT_TRUE(parsed[QLatin1String("errors")].toArray().isEmpty())
        << QJsonDocument(parsed[QLatin1String("errors")].toArray()).toJson().data();
    EXPECT_EQ(parsed[QLatin1String("charset")].toString().toLower(), QStringLiteral("utf-8"));
    EXPECT_EQ(parsed[QLatin1String("encoding")].toString().toLower(), QStringLiteral("utf-8"));
    EXPECT_EQ(parsed[QLatin1String("title")].toString(), QStringLiteral("r <1>"));
    EXPECT_EQ(parsed[QLatin1String("tables")].toArray().size(), 1);
    // The markup in the texts stays text.
    EXPECT_FALSE(cellWithText(parsed, QStringLiteral("a<b & \"c\" </td>")).isEmpty())
        << allText(parsed).toStdString();
    EXPECT_FALSE(cellWithText(parsed, QStringLiteral("中文")).isEmpty());
    EXPECT_FALSE(cellWithText(parsed, QStringLiteral("已完成 <ok>")).isEmpty());
}

TEST_F(StandaloneHtmlPage, CellsCarryTheirLook)
{
    PARSE_OR_SKIP(parsed, page(whole()).html);
    const QJsonObject styled =
        cellWithText(parsed, QStringLiteral("a<b & \"c\" </td>"))[QLatin1String("style")].toObject();
    EXPECT_EQ(styled[QLatin1String("font-family")].toString(), QStringLiteral("\"宋体\",sans-serif"));
    EXPECT_EQ(styled[QLatin1String("font-size")].toString(), QStringLiteral("12pt"));
    EXPECT_EQ(styled[QLatin1String("font-weight")].toString(), QStringLiteral("bold"));
    EXPECT_EQ(styled[QLatin1String("font-style")].toString(), QStringLiteral("italic"));
    EXPECT_EQ(styled[QLatin1String("text-decoration")].toString(), QStringLiteral("underline"));
    EXPECT_EQ(styled[QLatin1String("color")].toString(), QStringLiteral("#FF0000"));
    EXPECT_EQ(styled[QLatin1String("background-color")].toString(), QStringLiteral("#FFFF00"));
    EXPECT_EQ(styled[QLatin1String("text-align")].toString(), QStringLiteral("right"));
    EXPECT_EQ(styled[QLatin1String("vertical-align")].toString(), QStringLiteral("top"));
    EXPECT_EQ(styled[QLatin1String("border-left")].toString(), QStringLiteral("1px solid #000000"));
    EXPECT_EQ(styled[QLatin1String("border-top")].toString(), QStringLiteral("1px solid #000000"));
    EXPECT_FALSE(styled.contains(QLatin1String("border-right")));

    const QJsonObject plain = cellWithText(parsed, QStringLiteral("中文"))[QLatin1String("style")].toObject();
    EXPECT_EQ(plain[QLatin1String("font-weight")].toString(), QStringLiteral("normal"));
    EXPECT_FALSE(plain.contains(QLatin1String("background-color"))) << "white is the page's own background";
    EXPECT_EQ(
        cellWithText(parsed, QStringLiteral("thick"))[QLatin1String("style")][QLatin1String("border-right")]
            .toString(),
        QStringLiteral("3px solid #000000"));
    // Cells that look alike share one class.
    EXPECT_EQ(cellWithText(parsed, QStringLiteral("merged"))[QLatin1String("style")],
              cellWithText(parsed, QStringLiteral("tall"))[QLatin1String("style")]);
}

TEST_F(StandaloneHtmlPage, HiddenPolesAreLeftOutAndSpansCountShownOnes)
{
    PARSE_OR_SKIP(parsed, page(whole()).html);
    const QJsonArray rows = parsed[QLatin1String("tables")][0][QLatin1String("rows")].toArray();
    ASSERT_EQ(rows.size(), 5);
    const QJsonArray cols = parsed[QLatin1String("tables")][0][QLatin1String("cols")].toArray();
    ASSERT_EQ(cols.size(), 4);
    EXPECT_EQ(cols[1][QLatin1String("width")].toString(), QStringLiteral("120px"));
    EXPECT_EQ(rows[4][QLatin1String("style")][QLatin1String("height")].toString(), QStringLiteral("30px"));
    expectRectangular(parsed, 4);

    const QString text = allText(parsed);
    EXPECT_FALSE(text.contains(QStringLiteral("gone"))) << text.toStdString();
    const QJsonObject merged = cellWithText(parsed, QStringLiteral("merged"));
    EXPECT_EQ(merged[QLatin1String("colspan")].toInt(), 2);
    EXPECT_EQ(merged[QLatin1String("rowspan")].toInt(), 2);
    EXPECT_EQ(cellWithText(parsed, QStringLiteral("tall"))[QLatin1String("rowspan")].toInt(), 1);
}

TEST_F(StandaloneHtmlPage, ABlockCutByTheRangeBecomesThePartInsideIt)
{
    // Columns 2..4 and rows 2..5: the block (1,1)-(3,2) reaches in with
    // column 2 of row 2 only (column 3 is hidden).
    const StandaloneHtml html = page(*exportRange(report, true, 2, 2, 4, 5));
    PARSE_OR_SKIP(parsed, html.html);
    expectRectangular(parsed, 2);
    const QJsonObject merged = cellWithText(parsed, QStringLiteral("merged"));
    ASSERT_FALSE(merged.isEmpty()) << allText(parsed).toStdString();
    EXPECT_EQ(merged[QLatin1String("colspan")].toInt(), 1);
    EXPECT_EQ(merged[QLatin1String("rowspan")].toInt(), 1);
}

TEST_F(StandaloneHtmlPage, ABlockWhoseMasterIsHiddenShowsInItsFirstShownCell)
{
    // The master sits in the hidden column 3; the block still shows in column 4.
    mergeBlock(report, 3, 3, 4, 3);
    report.setCellCaption(3, 3, QStringLiteral("from hidden"));
    PARSE_OR_SKIP(parsed, page(whole()).html);
    expectRectangular(parsed, 4);
    const QJsonObject block = cellWithText(parsed, QStringLiteral("from hidden"));
    ASSERT_FALSE(block.isEmpty()) << allText(parsed).toStdString();
    EXPECT_EQ(block[QLatin1String("colspan")].toInt(), 1);
}

TEST_F(StandaloneHtmlPage, CheckBoxesAreDisabledInputs)
{
    PARSE_OR_SKIP(parsed, page(whole()).html);
    const QJsonArray checked =
        cellWithText(parsed, QStringLiteral("已完成 <ok>"))[QLatin1String("checkboxes")].toArray();
    ASSERT_EQ(checked.size(), 1);
    EXPECT_TRUE(checked[0][QLatin1String("checked")].toBool());
    EXPECT_TRUE(checked[0][QLatin1String("disabled")].toBool());
    const QJsonArray open =
        cellWithText(parsed, QStringLiteral("open"))[QLatin1String("checkboxes")].toArray();
    ASSERT_EQ(open.size(), 1);
    EXPECT_FALSE(open[0][QLatin1String("checked")].toBool());
}

TEST_F(StandaloneHtmlPage, PicturesArePngFilesReferredToRelatively)
{
    const StandaloneHtml html = page(whole());
    ASSERT_EQ(html.pictures.size(), 1u);
    EXPECT_EQ(html.pictures[0].fileName, QStringLiteral("r #1_C4C5.png"));
    EXPECT_EQ(html.pictures[0].image, picture);
    PARSE_OR_SKIP(parsed, html.html);
    EXPECT_FALSE(allText(parsed).contains(QStringLiteral("behind"))) << "a picture cell shows no text";
    QJsonArray images;
    for (const QJsonValue row : parsed[QLatin1String("tables")][0][QLatin1String("rows")].toArray())
        for (const QJsonValue cell : row[QLatin1String("cells")].toArray())
            for (const QJsonValue image : cell[QLatin1String("images")].toArray())
                images.append(image);
    ASSERT_EQ(images.size(), 1);
    // "#" would start a fragment: the name is percent-encoded.
    EXPECT_EQ(images[0][QLatin1String("src")].toString(), QStringLiteral("r%20%231_C4C5.png"));
    // Inside the default borders (left and top, one pixel each).
    EXPECT_EQ(images[0][QLatin1String("width")].toString(), QStringLiteral("79"));
    EXPECT_EQ(images[0][QLatin1String("height")].toString(), QStringLiteral("29"));
    EXPECT_EQ(images[0][QLatin1String("style")][QLatin1String("object-fit")].toString(),
              QStringLiteral("none"));
}

TEST_F(StandaloneHtmlPage, AFontNameCannotCloseTheStyleSheet)
{
    report.setFontName(1, 0, QStringLiteral("x\"}</style><script>alert(1)</script>"));
    PARSE_OR_SKIP(parsed, page(whole()).html);
    EXPECT_EQ(parsed[QLatin1String("scripts")].toInt(), 0);
    EXPECT_FALSE(
        cellWithText(parsed, QStringLiteral("中文"))[QLatin1String("style")][QLatin1String("font-size")]
            .isUndefined());
    EXPECT_TRUE(parsed[QLatin1String("errors")].toArray().isEmpty());
}

TEST_F(StandaloneHtmlPage, WrittenWithItsPicturesOrNotAtAll)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("out.html"));
    writeStandaloneHtml(report, whole(), file);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{QStringLiteral("out.html"), QStringLiteral("out_C4C5.png")}));
    EXPECT_EQ(QImage(dir.filePath(QStringLiteral("out_C4C5.png")), "png").convertToFormat(picture.format()),
              picture);
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().contains("src=\"out_C4C5.png\""));

    EXPECT_THROW(writeStandaloneHtml(report, whole(), dir.filePath(QStringLiteral("missing/out.html"))),
                 ReportError);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 2);
}
